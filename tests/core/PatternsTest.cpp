// The arrangement and name tables, typed out here on their own so that a
// changed entry in the game's tables cannot go unnoticed.
#include "core/Board.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quindle;

namespace {

struct Target {
    int number;
    const char* name;
    Arrangement cells;
    int reported = 0;  // what the win check says when it is not the number itself
};

void PrintTo(const Target& t, std::ostream* os) { *os << t.number << " " << t.name; }

// clang-format off
const Target kTargets[] = {
    {1,  "Vertical...",           {1, 5, 9, 13,    2, 6, 10, 14,   3, 7, 11, 15,   4, 8, 12, 0}},
    {2,  "Horizontal...",         {1, 2, 3, 4,     5, 6, 7, 8,     9, 10, 11, 12,  13, 14, 15, 0}},
    {3,  "Caracol...",            {1, 2, 3, 4,     12, 13, 14, 5,  11, 0, 15, 6,   10, 9, 8, 7}},
    {4,  "Escalonada A->",        {7, 11, 14, 0,   4, 8, 12, 15,   2, 5, 9, 13,    1, 3, 6, 10}},
    {5,  "Escalonada A<-",        {7, 4, 2, 1,     11, 8, 5, 3,    14, 12, 9, 6,   0, 15, 13, 10}},
    {6,  "Incredible Impossible", {0, 15, 14, 13,  12, 11, 10, 9,  8, 7, 6, 5,     4, 3, 2, 1}},
    {7,  "Vertical inversa",      {4, 8, 12, 0,    3, 7, 11, 15,   2, 6, 10, 14,   1, 5, 9, 13}},
    {8,  "Escalonada #3",         {0, 15, 13, 10,  14, 12, 9, 6,   11, 8, 5, 3,    7, 4, 2, 1}},
    // The same board as 5, so the win check, which stops at the first match, reports 5.
    {9,  "Escalonada #4",         {7, 4, 2, 1,     11, 8, 5, 3,    14, 12, 9, 6,   0, 15, 13, 10}, 5},
    {10, "Caracol #2",            {15, 14, 13, 12, 4, 3, 2, 11,    5, 0, 1, 10,    6, 7, 8, 9}},
    {11, "Vertical #2",           {4, 3, 2, 1,     8, 7, 6, 5,     12, 11, 10, 9,  0, 15, 14, 13}},
    {12, "Serpiente",             {1, 2, 3, 4,     8, 7, 6, 5,     9, 10, 11, 12,  0, 15, 14, 13}},
    {13, "Serpiente #2",          {1, 8, 9, 0,     2, 7, 10, 15,   3, 6, 11, 14,   4, 5, 12, 13}},
    {14, "Serpiente #3",          {0, 9, 8, 1,     15, 10, 7, 2,   14, 11, 6, 3,   13, 12, 5, 4}},
};
// clang-format on

class TargetTable : public ::testing::TestWithParam<Target> {};

TEST_P(TargetTable, CellsAndName)
{
    const Target& t = GetParam();
    EXPECT_EQ(Juegos(t.number), t.cells);
    EXPECT_STREQ(Modos(t.number), t.name);
}

TEST_P(TargetTable, WinCheckRecordsTheFirstMatch)
{
    const Target& t = GetParam();
    const int expected = t.reported ? t.reported : t.number;
    TBoard board;
    board.Load(t.cells);
    EXPECT_EQ(board.ChecaPatron(), expected);
    EXPECT_EQ(board.Tag(), expected);
    // Any other cell in the blank's place spoils the match.
    Arrangement spoiled = t.cells;
    std::swap(spoiled[0], spoiled[1]);
    board.Load(spoiled);
    EXPECT_EQ(board.ChecaPatron(), 0);
    EXPECT_EQ(board.Tag(), expected) << "the last win stays recorded";
}

INSTANTIATE_TEST_SUITE_P(Arrangements, TargetTable, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return "No" + std::to_string(info.param.number); });

TEST(Targets, FourteenAndNoMore)
{
    EXPECT_EQ(NumJuegos, 14);
    for (int k : {0, -1, 15}) {
        EXPECT_THROW(Juegos(k), std::out_of_range);
        EXPECT_THROW(Modos(k), std::out_of_range);
    }
}

TEST(WinCheck, BlankBoardAndAlmostWonBoardsMatchNothing)
{
    TBoard board;
    EXPECT_EQ(board.ChecaPatron(), 0);
    EXPECT_EQ(board.Tag(), 0);
    board.Load({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 0});
    EXPECT_EQ(board.ChecaPatron(), 0);
    EXPECT_TRUE(Iguales(Arrangement{}, Arrangement{}));
    EXPECT_FALSE(Iguales(Arrangement{}, Arrangement{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(WinCheck, EveryStepOnAWonBoardWinsAgainEvenARefusedOne)
{
    TBoard board;
    board.Load(kTargets[1].cells);
    EXPECT_EQ(board.Click(4, 4), (TOutcome{TSlide::Refused, 2}));  // the blank itself
    EXPECT_EQ(board.Click(1, 1), (TOutcome{TSlide::Refused, 2}));
    EXPECT_EQ(board.Click(4, 3), (TOutcome{TSlide::Accepted, 0, {4, 3}, {4, 4}, 1}));
    EXPECT_EQ(board.Tag(), 2);
    EXPECT_EQ(board.Click(4, 4), (TOutcome{TSlide::Accepted, 2, {4, 4}, {4, 3}, 2}));  // and back again
}

} // namespace
