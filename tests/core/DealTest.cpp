// The generator and the deal: pinned draws, pinned deals, and a deal that
// is a fair shuffle with the blank bottom right.
#include "core/Board.h"
#include "tests/support/BoardOf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace quindle;
using quindle::test::BoardOf;

namespace {

Arrangement DealAt(std::uint32_t millisecond)
{
    TBoard board([millisecond] { return millisecond; });
    board.Seed();
    EXPECT_EQ(board.Deal(), TOutcome{});
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

TEST(Deal, ResetsTheCountersButNotTheLastClickOrWin)
{
    TBoard board([] { return 7u; });
    board.Load(Juegos(3));
    ASSERT_EQ(board.Click(3, 3).Slide, TSlide::Accepted);
    ASSERT_EQ(board.Click(3, 2).Reached, 3);
    board.Tick();

    board.Seed();
    EXPECT_EQ(board.Generator().Seed(), 7u);
    EXPECT_EQ(board.Deal(), TOutcome{});
    EXPECT_EQ(board.Segundos(), 0);
    EXPECT_EQ(board.Movimientos(), 0);
    EXPECT_EQ(std::pair(board.Fila(), board.Columna()), std::pair(3, 2));
    EXPECT_EQ(board.Tag(), 3);
}

struct GoldenDeal {
    std::uint32_t seed;
    Arrangement cells;
};

void PrintTo(const GoldenDeal& d, std::ostream* os) { *os << "seed " << d.seed; }

class GoldenDeals : public ::testing::TestWithParam<GoldenDeal> {};

TEST_P(GoldenDeals, SameSeedSameBoard)
{
    EXPECT_EQ(DealAt(GetParam().seed), GetParam().cells);
}

// Worked out by hand from the recurrence, apart from the game's code.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Seeds, GoldenDeals, ::testing::Values(
    GoldenDeal{0,           {13, 3, 4, 10,  5, 2, 6, 1,     7, 14, 12, 11,  15, 8, 9, 0}},
    GoldenDeal{12345,       {6, 4, 1, 8,    10, 5, 7, 14,   15, 3, 12, 13,  11, 2, 9, 0}},
    GoldenDeal{3723004,     {10, 4, 11, 6,  7, 9, 14, 2,    15, 12, 5, 13,  3, 1, 8, 0}},   // 01:02:03.004
    GoldenDeal{43200000,    {6, 12, 4, 11,  8, 2, 15, 9,    3, 5, 10, 13,   14, 1, 7, 0}},  // noon
    GoldenDeal{86399999,    {11, 15, 5, 3,  2, 1, 13, 10,   4, 6, 8, 14,    12, 7, 9, 0}},  // the day's last millisecond
    GoldenDeal{0xFFFFFFFFu, {15, 3, 8, 2,   13, 7, 5, 12,   11, 14, 4, 9,   10, 1, 6, 0}}),
    [](const auto& info) { return "Seed" + std::to_string(info.param.seed); });
// clang-format on
