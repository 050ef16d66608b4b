#pragma once

#include "core/Arrangement.h"
#include "core/Cell.h"
#include "core/Patterns.h"
#include "core/Random.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace quindle {

// How a slide attempt ended. None: nothing was attempted, or the board has
// no blank to slide into.
enum class TSlide { None, Accepted, Refused };

// What one step of the game did. The board shows and plays nothing itself:
// the window reads this after the board has returned and redraws, cues and
// opens the winner dialog from it, so none of that runs inside the board.
struct TOutcome {
    TSlide Slide = TSlide::None;
    // Number of the arrangement the board now equals (also in Tag()), 0 for none.
    int Reached = 0;
    // An accepted slide's tile left From, which is now the blank, for To.
    TCell From{};
    TCell To{};
    // The move count after the step.
    std::int32_t Moves = 0;

    bool operator==(const TOutcome&) const = default;
};

// True when key is among the first count entries of values.
bool encontrado(const std::int32_t* values, std::int32_t key, int count);
// Caption text of a cell: its number, or "" for the blank.
std::string Entero(std::int32_t number);

// The game state: board, last clicked cell, counters and the arrangement
// last reached. Rows and columns are 1..4; (0, 0) means no click yet.
class TBoard {
public:
    using Clock = std::function<std::uint32_t()>;  // UTC milliseconds of the day

    explicit TBoard(Clock clock = UtcMillisecondsOfDay);

    // Throws std::out_of_range unless row and column are 1..4.
    std::int32_t Tablero(int row, int column) const;
    int Fila() const;
    int Columna() const;
    std::int32_t Segundos() const;
    std::int32_t Movimientos() const;
    // Number of the arrangement last reached, 0 until the first win.
    int Tag() const;

    // First cell equal to value in row-major order; row and column are 0
    // when there is none.
    bool encontradox(std::int32_t value, int& row, int& column) const;
    // The blank, the first one when there are several; none when no cell is blank.
    std::optional<TCell> Blank() const;

    // Reseeds the generator from the clock; Start does this before it asks.
    void Seed();
    // Resets the counters and fills the board at random, blank bottom right,
    // then runs the win check.
    [[nodiscard]] TOutcome Deal();
    // A tile button was clicked; throws std::out_of_range unless 1..4.
    [[nodiscard]] TOutcome Click(int row, int column);
    // Slides the last clicked tile into the blank if it is next to it, then
    // runs the win check, whether or not anything moved.
    [[nodiscard]] TOutcome ChecaBoton();
    // The win check: records and returns the first arrangement the board
    // equals, 0 when there is none.
    int ChecaPatron();
    void Tick();
    // Replaces the board; nothing is checked until the next step.
    void Load(const Arrangement& a);
    const TRandom& Generator() const;

private:
    std::int32_t& Cell(int row, int column);
    std::int32_t Cell(int row, int column) const;

    Clock FClock;
    TRandom FRandom;
    Arrangement FTablero{};
    int FFila = 0;
    int FColumna = 0;
    std::int32_t FSegundos = 0;
    std::int32_t FMovimientos = 0;
    int FTag = 0;
};

} // namespace quindle
