#include "tests/core/FakeView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace quindle;
using quindle::test::FakeView;

TEST(Patterns, EachHoldsEveryValueOnce)
{
    for (int k = 1; k <= NumJuegos; ++k) {
        Arrangement a = Juegos(k);
        std::sort(a.begin(), a.end());
        for (int v = 0; v < 16; ++v)
            ASSERT_EQ(a[v], v) << "arrangement " << k;
    }
    EXPECT_STREQ(Modos(1), "Vertical...");
    EXPECT_STREQ(Modos(14), "Serpiente #3");
    for (int k : {0, NumJuegos + 1}) {
        EXPECT_THROW(Juegos(k), std::out_of_range);
        EXPECT_THROW(Modos(k), std::out_of_range);
    }
}

TEST(WinCheck, ReportsTheFirstMatchingArrangement)
{
    for (int k = 1; k <= NumJuegos; ++k) {
        FakeView view;
        TBoard board(view);
        view.board = &board;
        board.Load(Juegos(k));
        board.Redibuja();
        const int reported = k == 9 ? 5 : k;  // 9 is the same board as 5
        EXPECT_EQ(view.events, (std::vector<std::string>{"redraw", "gana " + std::to_string(reported)}));
    }
}

TEST(WinCheck, RejectedClickOnAWonBoardWinsAgain)
{
    FakeView view;
    TBoard board(view);
    view.board = &board;
    board.Load(Juegos(2));
    board.Click(4, 4);  // the blank itself
    board.Click(1, 1);
    EXPECT_EQ(view.events, (std::vector<std::string>{"cue uhoh.wav", "redraw", "gana 2",
                                                     "cue uhoh.wav", "redraw", "gana 2"}));
    board.Click(4, 3);  // slides away from the arrangement; the last win stays recorded
    EXPECT_EQ(view.events.back(), "redraw");
    EXPECT_EQ(board.Tag(), 2);
}
