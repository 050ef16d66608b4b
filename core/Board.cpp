#include "core/Board.h"

#include <stdexcept>
#include <utility>

namespace quindle {

namespace {

constexpr int kSide = 4;
// Marks a not yet dealt entry; never a tile number.
constexpr std::int32_t kUnset = 999;

int flatIndex(int row, int column)
{
    if (row < 1 || row > kSide || column < 1 || column > kSide)
        throw std::out_of_range("no cell at row " + std::to_string(row) + ", column "
                                + std::to_string(column));
    return (row - 1) * kSide + (column - 1);
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

TBoard::TBoard(IGameView& view, Clock clock)
    : view_(view), clock_(clock ? std::move(clock) : Clock(UtcMillisecondsOfDay))
{
}

std::int32_t TBoard::Tablero(int row, int column) const
{
    return cell(row, column);
}

int TBoard::Fila() const
{
    return fila_;
}

int TBoard::Columna() const
{
    return columna_;
}

std::int32_t TBoard::Segundos() const
{
    return segundos_;
}

std::int32_t TBoard::Movimientos() const
{
    return movimientos_;
}

int TBoard::Tag() const
{
    return tag_;
}

bool TBoard::encontradox(std::int32_t value, int& row, int& column) const
{
    for (int p = 0; p < kSide * kSide; ++p) {
        if (board_[p] == value) {
            row = p / kSide + 1;
            column = p % kSide + 1;
            return true;
        }
    }
    row = 0;
    column = 0;
    return false;
}

void TBoard::Seed()
{
    random_.Randomize(clock_());
}

void TBoard::Deal()
{
    segundos_ = 0;
    movimientos_ = 0;
    view_.PlayCue("left.wav");

    Arrangement list;
    list.fill(kUnset);
    list[15] = 0;
    // Draw 0..15 and keep each tile the first time it comes up, so every
    // order of 1..15 is equally likely and the blank ends up bottom right.
    int k = 0;
    while (k < 15) {
        const std::int32_t r = random_.Random(16);
        if (r != 0 && !encontrado(list.data(), r, 15))
            list[k++] = r;
    }
    board_ = list;
    Redibuja();
}

void TBoard::Click(int row, int column)
{
    flatIndex(row, column);
    fila_ = row;
    columna_ = column;
    ChecaBoton();
}

void TBoard::ChecaBoton()
{
    int br = 0;
    int bc = 0;
    if (encontradox(0, br, bc)) {
        const bool adjacent = (fila_ == br + 1 && columna_ == bc) || (fila_ == br - 1 && columna_ == bc)
                              || (columna_ == bc + 1 && fila_ == br) || (columna_ == bc - 1 && fila_ == br);
        if (adjacent) {
            cell(br, bc) = cell(fila_, columna_);
            cell(fila_, columna_) = 0;
            movimientos_ = incremented(movimientos_);
            view_.SetMovesText("Moves :" + std::to_string(movimientos_));
            view_.PlayCue("ok.wav");
        } else {
            view_.PlayCue("uhoh.wav");
        }
    }
    Redibuja();
}

void TBoard::Redibuja()
{
    for (int button = 1; button <= kSide * kSide; ++button)
        view_.SetTileCaption(button, Entero(board_[button - 1]));
    ChecaPatron();
}

void TBoard::ChecaPatron()
{
    // A copy, so the win action may touch the board while we still look at it.
    const Arrangement list = board_;
    for (int k = 1; k <= NumJuegos; ++k) {
        if (Iguales(list, Juegos(k))) {
            tag_ = k;
            view_.Gana();
            return;
        }
    }
}

void TBoard::Tick()
{
    segundos_ = incremented(segundos_);
}

void TBoard::Load(const Arrangement& a)
{
    board_ = a;
}

TRandom& TBoard::Generator()
{
    return random_;
}

std::int32_t& TBoard::cell(int row, int column)
{
    return board_[flatIndex(row, column)];
}

std::int32_t TBoard::cell(int row, int column) const
{
    return board_[flatIndex(row, column)];
}

} // namespace quindle
