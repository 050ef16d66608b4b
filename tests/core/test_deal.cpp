#include "tests/core/FakeView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace quindle;
using quindle::test::BoardOf;
using quindle::test::FakeView;

namespace {

Arrangement DealAt(std::uint32_t millisecond)
{
    FakeView view;
    TBoard board(view, [millisecond] { return millisecond; });
    board.Seed();
    board.Deal();
    return BoardOf(board);
}

} // namespace

TEST(Random, FirstDrawsFollowTheRecurrence)
{
    TRandom r;
    // 0 steps to 1, then to 134775814 = 0x08088406: both top nibbles are 0.
    r.Randomize(0);
    EXPECT_EQ(r.Random(16), 0);
    EXPECT_EQ(r.Random(16), 0);
    EXPECT_EQ(r.Seed(), 134775814u);
    EXPECT_EQ(r.Random(16), 13);
    // 0xFFFFFFFF steps to 1 - 134775813 mod 2^32 = 0xF7F77BFC.
    r.Randomize(0xFFFFFFFFu);
    EXPECT_EQ(r.Random(16), 15);
    EXPECT_EQ(r.Seed(), 0xF7F77BFCu);
    // 134775814 * 1000 / 2^32 = 31.38...
    r.Randomize(1);
    EXPECT_EQ(r.Random(1000), 31);
    EXPECT_EQ(r.Random(-5), 0);
    EXPECT_LT(UtcMillisecondsOfDay(), 86'400'000u);
}

TEST(Deal, PermutationWithTheBlankBottomRightFixedByTheMillisecond)
{
    for (std::uint32_t ms = 0; ms < 86'400'000u; ms += 432'001u) {
        Arrangement a = DealAt(ms);
        EXPECT_EQ(a[15], 0) << ms;
        std::sort(a.begin(), a.end());
        for (int v = 0; v < 16; ++v)
            ASSERT_EQ(a[v], v) << ms;
    }
    EXPECT_EQ(DealAt(0), (Arrangement{13, 3, 4, 10, 5, 2, 6, 1, 7, 14, 12, 11, 15, 8, 9, 0}));
    EXPECT_EQ(DealAt(43'200'123u), DealAt(43'200'123u));
    std::set<Arrangement> distinct;
    for (std::uint32_t ms = 43'200'000u; ms < 43'201'000u; ++ms)
        distinct.insert(DealAt(ms));
    EXPECT_GE(distinct.size(), 990u);
}

TEST(Deal, SpreadsEveryTileOverEveryPosition)
{
    constexpr int kDeals = 15000;
    int counts[15][16] = {};
    for (int i = 0; i < kDeals; ++i) {
        const Arrangement a = DealAt(43'200'000u + static_cast<std::uint32_t>(i));
        for (int p = 0; p < 15; ++p)
            ++counts[p][a[p]];
    }
    const double expected = kDeals / 15.0;
    double chi = 0;
    for (int p = 0; p < 15; ++p) {
        for (int t = 1; t <= 15; ++t)
            chi += (counts[p][t] - expected) * (counts[p][t] - expected) / expected;
    }
    // About 196 degrees of freedom; 290 is far out in the tail.
    EXPECT_LT(chi, 290.0);
}

TEST(Deal, ResetsCountersCuesThenRedraws)
{
    FakeView view;
    TBoard board(view, [] { return 7u; });
    view.board = &board;
    board.Load(Juegos(3));
    board.Click(3, 3);
    board.Tick();
    view.events.clear();

    board.Seed();
    EXPECT_EQ(board.Generator().Seed(), 7u);
    board.Deal();
    EXPECT_EQ(board.Segundos(), 0);
    EXPECT_EQ(board.Movimientos(), 0);
    // The moves label keeps its text until the next accepted move.
    EXPECT_EQ(view.events, (std::vector<std::string>{"cue left.wav", "redraw"}));
}
