#pragma once

#include "core/Board.h"

#include <array>
#include <string>
#include <vector>

namespace quindle::test {

// Records the board's requests in order; a full redraw (captions written
// for buttons 1..16 in turn) shows up as one "redraw" event.
class FakeView : public IGameView {
public:
    const TBoard* board = nullptr;
    std::vector<std::string> events;
    std::array<std::string, 17> captions;

    void SetTileCaption(int button, const std::string& caption) override
    {
        captions.at(button) = caption;
        if (button == next_ && ++next_ == 17) {
            events.push_back("redraw");
            next_ = 1;
        }
    }
    void SetMovesText(const std::string& text) override { events.push_back("moves " + text); }
    void PlayCue(const std::string& file) override { events.push_back("cue " + file); }
    void Gana() override { events.push_back("gana " + std::to_string(board->Tag())); }

private:
    int next_ = 1;
};

inline Arrangement BoardOf(const TBoard& b)
{
    Arrangement a{};
    for (int p = 0; p < 16; ++p)
        a[p] = b.Tablero(p / 4 + 1, p % 4 + 1);
    return a;
}

} // namespace quindle::test
