#include "core/Board.h"

#include <stdexcept>
#include <utility>

namespace quindle {

namespace {

// Marks a not yet dealt entry; never a tile number.
constexpr std::int32_t kUnset = 999;

int flatIndex(int row, int column)
{
    if (!OnBoard({row, column}))
        throw std::out_of_range("no cell at row " + std::to_string(row) + ", column "
                                + std::to_string(column));
    return IndexOfCell({row, column});
}

// Counters wrap like the 32-bit registers they model instead of overflowing.
std::int32_t incremented(std::int32_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + 1u);
}

} // namespace

bool encontrado(const std::int32_t* values, std::int32_t key, int count)
{
    if (!values)
        return false;
    for (int i = 0; i < count; ++i) {
        if (values[i] == key)
            return true;
    }
    return false;
}

std::string Entero(std::int32_t number)
{
    return number == 0 ? std::string() : std::to_string(number);
}

TBoard::TBoard(Clock clock) : FClock(clock ? std::move(clock) : Clock(UtcMillisecondsOfDay)) {}

std::int32_t TBoard::Tablero(int row, int column) const
{
    return Cell(row, column);
}

int TBoard::Fila() const
{
    return FFila;
}

int TBoard::Columna() const
{
    return FColumna;
}

std::int32_t TBoard::Segundos() const
{
    return FSegundos;
}

std::int32_t TBoard::Movimientos() const
{
    return FMovimientos;
}

int TBoard::Tag() const
{
    return FTag;
}

bool TBoard::encontradox(std::int32_t value, int& row, int& column) const
{
    for (int p = 0; p < kSide * kSide; ++p) {
        if (FTablero[p] == value) {
            const TCell cell = CellAtIndex(p);
            row = cell.Row;
            column = cell.Column;
            return true;
        }
    }
    row = 0;
    column = 0;
    return false;
}

std::optional<TCell> TBoard::Blank() const
{
    TCell blank;
    if (!encontradox(0, blank.Row, blank.Column))
        return std::nullopt;
    return blank;
}

void TBoard::Seed()
{
    FRandom.Randomize(FClock());
}

TOutcome TBoard::Deal()
{
    FSegundos = 0;
    FMovimientos = 0;

    Arrangement list;
    list.fill(kUnset);
    list[15] = 0;
    // Draw 0..15 and keep each tile the first time it comes up, so every
    // order of 1..15 is equally likely and the blank ends up bottom right.
    int k = 0;
    while (k < 15) {
        const std::int32_t r = FRandom.Random(16);
        if (r != 0 && !encontrado(list.data(), r, 15))
            list[k++] = r;
    }
    FTablero = list;
    return {.Slide = TSlide::None, .Reached = ChecaPatron()};
}

TOutcome TBoard::Click(int row, int column)
{
    flatIndex(row, column);
    FFila = row;
    FColumna = column;
    return ChecaBoton();
}

TOutcome TBoard::ChecaBoton()
{
    TOutcome outcome;
    if (const std::optional<TCell> blank = Blank()) {
        const auto [br, bc] = *blank;
        const bool adjacent = (FFila == br + 1 && FColumna == bc) || (FFila == br - 1 && FColumna == bc)
                              || (FColumna == bc + 1 && FFila == br) || (FColumna == bc - 1 && FFila == br);
        if (adjacent) {
            Cell(br, bc) = Cell(FFila, FColumna);
            Cell(FFila, FColumna) = 0;
            FMovimientos = incremented(FMovimientos);
            outcome.Slide = TSlide::Accepted;
            outcome.From = {FFila, FColumna};
            outcome.To = *blank;
        } else {
            outcome.Slide = TSlide::Refused;
        }
    }
    outcome.Moves = FMovimientos;
    outcome.Reached = ChecaPatron();
    return outcome;
}

int TBoard::ChecaPatron()
{
    for (int k = 1; k <= NumJuegos; ++k) {
        if (Iguales(FTablero, Juegos(k))) {
            FTag = k;
            return k;
        }
    }
    return 0;
}

void TBoard::Tick()
{
    FSegundos = incremented(FSegundos);
}

void TBoard::Load(const Arrangement& a)
{
    FTablero = a;
}

const TRandom& TBoard::Generator() const
{
    return FRandom;
}

std::int32_t& TBoard::Cell(int row, int column)
{
    return FTablero[flatIndex(row, column)];
}

std::int32_t TBoard::Cell(int row, int column) const
{
    return FTablero[flatIndex(row, column)];
}

} // namespace quindle
