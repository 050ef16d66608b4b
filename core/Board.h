#pragma once

#include "core/Arrangement.h"
#include "core/Patterns.h"
#include "core/Random.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quindle {

// What the main window shows and plays on the board's behalf; the board
// itself draws nothing and makes no sound.
class IGameView {
public:
    virtual ~IGameView() = default;
    virtual void SetTileCaption(int button, const std::string& caption) = 0;  // button 1..16
    virtual void SetMovesText(const std::string& text) = 0;
    virtual void PlayCue(const std::string& file) = 0;
    // A target arrangement was reached; TBoard::Tag() already names it.
    virtual void Gana() = 0;
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

    explicit TBoard(IGameView& view, Clock clock = UtcMillisecondsOfDay);

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

    // Reseeds the generator from the clock; Start does this before it asks.
    void Seed();
    // Resets the counters and fills the board at random, blank bottom right.
    void Deal();
    // A tile button was clicked; throws std::out_of_range unless 1..4.
    void Click(int row, int column);
    // Slides the last clicked tile into the blank if it is next to it.
    void ChecaBoton();
    // Rewrites the sixteen captions and checks for a win.
    void Redibuja();
    // Reports the first arrangement the board equals, if any.
    void ChecaPatron();
    void Tick();
    // Replaces the board without redrawing it.
    void Load(const Arrangement& a);
    TRandom& Generator();

private:
    std::int32_t& cell(int row, int column);
    std::int32_t cell(int row, int column) const;

    IGameView& view_;
    Clock clock_;
    TRandom random_;
    Arrangement board_{};
    int fila_ = 0;
    int columna_ = 0;
    std::int32_t segundos_ = 0;
    std::int32_t movimientos_ = 0;
    int tag_ = 0;
};

} // namespace quindle
