#include "tests/core/FakeView.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quindle;
using quindle::test::BoardOf;
using quindle::test::FakeView;

namespace {

using Events = std::vector<std::string>;

// Blank at row 2, column 3; no target arrangement.
const Arrangement kMiddleBlank{1, 2, 3, 4, 5, 6, 0, 8, 9, 10, 11, 12, 13, 14, 15, 7};

struct Game {
    FakeView view;
    TBoard board{view, [] { return 0u; }};
    explicit Game(const Arrangement& a = {})
    {
        view.board = &board;
        board.Load(a);
    }
};

} // namespace

TEST(Slide, OnlyTheFourNeighboursOfTheBlankMove)
{
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 4; ++column) {
            Game g(kMiddleBlank);
            const std::int32_t tile = g.board.Tablero(row, column);
            g.board.Click(row, column);
            const bool neighbour = (row == 1 || row == 3) ? column == 3 : row == 2 && (column == 2 || column == 4);
            if (neighbour) {
                EXPECT_EQ(g.board.Tablero(2, 3), tile);
                EXPECT_EQ(g.board.Tablero(row, column), 0);
                EXPECT_EQ(g.view.events, (Events{"moves Moves :1", "cue ok.wav", "redraw"}));
            } else {
                EXPECT_EQ(BoardOf(g.board), kMiddleBlank) << row << "," << column;
                EXPECT_EQ(g.board.Movimientos(), 0);
                EXPECT_EQ(g.view.events, (Events{"cue uhoh.wav", "redraw"}));
            }
        }
    }
}

TEST(Slide, BlankBoardBeforeTheFirstDeal)
{
    Game g;
    g.board.ChecaBoton();  // no click yet: (0, 0) touches no cell
    EXPECT_EQ(g.view.events, (Events{"cue uhoh.wav", "redraw"}));
    g.board.Click(1, 2);
    g.board.Click(2, 1);
    EXPECT_EQ(g.view.events, (Events{"cue uhoh.wav", "redraw", "moves Moves :1", "cue ok.wav", "redraw",
                                     "moves Moves :2", "cue ok.wav", "redraw"}));
    EXPECT_EQ(BoardOf(g.board), Arrangement{});
    EXPECT_EQ(g.view.captions[1], "");
}

TEST(Slide, CoordinatesOutsideTheBoardThrow)
{
    Game g(kMiddleBlank);
    g.board.Click(3, 3);
    for (auto [r, c] : {std::pair{0, 1}, {1, 0}, {5, 1}, {1, 5}, {0, 0}, {-1, 2}}) {
        EXPECT_THROW(g.board.Click(r, c), std::out_of_range);
        EXPECT_THROW(g.board.Tablero(r, c), std::out_of_range);
    }
    EXPECT_EQ(std::pair(g.board.Fila(), g.board.Columna()), std::pair(3, 3));
    EXPECT_EQ(g.board.Movimientos(), 1);
}

TEST(Redraw, CaptionsAndSearches)
{
    Game g(Juegos(10));
    g.board.Redibuja();
    EXPECT_EQ(g.view.captions[1], "15");
    EXPECT_EQ(g.view.captions[10], "");
    EXPECT_EQ(g.view.captions[11], "1");

    // The deal searches only the 15 tile entries, never the blank's slot.
    const std::int32_t values[16] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 7};
    EXPECT_FALSE(encontrado(values, 7, 15));
    EXPECT_TRUE(encontrado(values, 7, 16));
    EXPECT_FALSE(encontrado(values, 9, 0));
    int row = -1, column = -1;
    EXPECT_TRUE(g.board.encontradox(0, row, column));
    EXPECT_EQ(std::pair(row, column), std::pair(3, 2));
}
