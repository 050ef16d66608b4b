// The slide rule: which clicks move a tile, what they leave on the board
// and what they report.
#include "core/Board.h"
#include "tests/support/BoardOf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace quindle;
using quindle::test::BoardOf;

namespace {

// Blank at row 2, column 3; no target arrangement.
// clang-format off
const Arrangement kMiddleBlank{1, 2, 3, 4,
                               5, 6, 0, 8,
                               9, 10, 11, 12,
                               13, 14, 15, 7};
// clang-format on
const Arrangement kAllBlank{};

struct SlideCase {
    const char* what;
    Arrangement before;
    int row, column;
    TSlide slide;
    Arrangement after;
};

void PrintTo(const SlideCase& c, std::ostream* os) { *os << c.what; }

// clang-format off
const SlideCase kSlides[] = {
    {"TileAbove", kMiddleBlank, 1, 3, TSlide::Accepted, {1, 2, 0, 4,   5, 6, 3, 8,    9, 10, 11, 12,  13, 14, 15, 7}},
    {"TileBelow", kMiddleBlank, 3, 3, TSlide::Accepted, {1, 2, 3, 4,   5, 6, 11, 8,   9, 10, 0, 12,   13, 14, 15, 7}},
    {"TileLeft",  kMiddleBlank, 2, 2, TSlide::Accepted, {1, 2, 3, 4,   5, 0, 6, 8,    9, 10, 11, 12,  13, 14, 15, 7}},
    {"TileRight", kMiddleBlank, 2, 4, TSlide::Accepted, {1, 2, 3, 4,   5, 6, 8, 0,    9, 10, 11, 12,  13, 14, 15, 7}},
    {"TheBlankItself",  kMiddleBlank, 2, 3, TSlide::Refused, kMiddleBlank},
    {"DiagonalUpLeft",  kMiddleBlank, 1, 2, TSlide::Refused, kMiddleBlank},
    {"DiagonalUpRight", kMiddleBlank, 1, 4, TSlide::Refused, kMiddleBlank},
    {"DiagonalDownLeft",  kMiddleBlank, 3, 2, TSlide::Refused, kMiddleBlank},
    {"DiagonalDownRight", kMiddleBlank, 3, 4, TSlide::Refused, kMiddleBlank},
    {"TwoBelow",       kMiddleBlank, 4, 3, TSlide::Refused, kMiddleBlank},
    {"TwoLeftSameRow", kMiddleBlank, 2, 1, TSlide::Refused, kMiddleBlank},
    {"FarCorner",      kMiddleBlank, 4, 1, TSlide::Refused, kMiddleBlank},
    // Before the first deal every cell is blank; the first one in row-major
    // order is the one the rule looks at.
    {"AllBlankRightOfFirst", kAllBlank, 1, 2, TSlide::Accepted, kAllBlank},
    {"AllBlankBelowFirst",   kAllBlank, 2, 1, TSlide::Accepted, kAllBlank},
    {"AllBlankFirstItself",  kAllBlank, 1, 1, TSlide::Refused, kAllBlank},
    {"AllBlankDiagonal",     kAllBlank, 2, 2, TSlide::Refused, kAllBlank},
    {"AllBlankFarCell",      kAllBlank, 4, 4, TSlide::Refused, kAllBlank},
    // Nowhere to slide into: nothing is attempted.
    {"NoBlank", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, 1, 1, TSlide::None,
                {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
};
// clang-format on

class SlideTable : public ::testing::TestWithParam<SlideCase> {};

TEST_P(SlideTable, BoardCounterAndReport)
{
    const SlideCase& c = GetParam();
    TBoard board;
    board.Load(c.before);
    const TOutcome outcome = board.Click(c.row, c.column);
    EXPECT_EQ(outcome.Slide, c.slide);
    EXPECT_EQ(outcome.Reached, 0);
    // A slide names the tile's old cell and the blank it filled.
    const bool moved = c.slide == TSlide::Accepted;
    const auto firstBlank = std::find(c.before.begin(), c.before.end(), 0) - c.before.begin();
    EXPECT_EQ(outcome.From, (moved ? TCell{c.row, c.column} : TCell{}));
    EXPECT_EQ(outcome.To, (moved ? TCell{int(firstBlank / 4 + 1), int(firstBlank % 4 + 1)} : TCell{}));
    EXPECT_EQ(outcome.Moves, moved ? 1 : 0);
    EXPECT_EQ(BoardOf(board), c.after);
    EXPECT_EQ(board.Movimientos(), outcome.Moves);
    EXPECT_EQ(std::pair(board.Fila(), board.Columna()), std::pair(c.row, c.column));
}

INSTANTIATE_TEST_SUITE_P(Clicks, SlideTable, ::testing::ValuesIn(kSlides),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Slide, NoClickYetTouchesNoCell)
{
    TBoard board;
    EXPECT_EQ(std::pair(board.Fila(), board.Columna()), std::pair(0, 0));
    EXPECT_EQ(board.ChecaBoton(), (TOutcome{.Slide = TSlide::Refused}));
    EXPECT_EQ(board.Movimientos(), 0);
}

TEST(Slide, SameButtonTwiceThenTheTilesNewCell)
{
    TBoard board;
    board.Load(kMiddleBlank);
    EXPECT_EQ(board.Click(3, 3).Slide, TSlide::Accepted);
    EXPECT_EQ(board.Click(3, 3), (TOutcome{.Slide = TSlide::Refused, .Moves = 1}));  // now the blank
    EXPECT_EQ(board.Click(2, 3),  // slides back
              (TOutcome{.Slide = TSlide::Accepted, .From = {2, 3}, .To = {3, 3}, .Moves = 2}));
    EXPECT_EQ(BoardOf(board), kMiddleBlank);
    EXPECT_EQ(board.Movimientos(), 2);
}

TEST(Slide, CoordinatesOutsideTheBoardThrowAndChangeNothing)
{
    TBoard board;
    board.Load(kMiddleBlank);
    ASSERT_EQ(board.Click(3, 3).Slide, TSlide::Accepted);
    for (auto [r, c] : {std::pair{0, 1}, {1, 0}, {5, 1}, {1, 5}, {0, 0}, {-1, 2}}) {
        EXPECT_THROW((void)board.Click(r, c), std::out_of_range);
        EXPECT_THROW(board.Tablero(r, c), std::out_of_range);
    }
    EXPECT_EQ(std::pair(board.Fila(), board.Columna()), std::pair(3, 3));
    EXPECT_EQ(board.Movimientos(), 1);
}

TEST(Captions, NumbersAndTheEmptyBlank)
{
    EXPECT_EQ(Entero(0), "");
    EXPECT_EQ(Entero(7), "7");
    EXPECT_EQ(Entero(10), "10");
    EXPECT_EQ(Entero(15), "15");
    EXPECT_EQ(Entero(-3), "-3");
}

TEST(Cells, ButtonsAndIndicesCountRowByRow)
{
    struct Row {
        int button, index;
        TCell cell;
    };
    for (const Row& r : {Row{1, 0, {1, 1}}, Row{4, 3, {1, 4}}, Row{5, 4, {2, 1}}, Row{11, 10, {3, 3}},
                         Row{13, 12, {4, 1}}, Row{16, 15, {4, 4}}}) {
        EXPECT_EQ(CellOfButton(r.button), r.cell) << r.button;
        EXPECT_EQ(CellAtIndex(r.index), r.cell) << r.index;
        EXPECT_EQ(IndexOfCell(r.cell), r.index) << r.index;
    }
}

TEST(Searches, FirstMatchInRowMajorOrder)
{
    // The deal searches only the 15 tile entries, never the blank's slot.
    const std::int32_t values[16] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 7};
    EXPECT_FALSE(encontrado(values, 7, 15));
    EXPECT_TRUE(encontrado(values, 7, 16));
    EXPECT_FALSE(encontrado(values, 9, 0));
    EXPECT_FALSE(encontrado(nullptr, 9, 3));

    TBoard board;
    board.Load({3, 3, 3, 3, 3, 3, 0, 3, 0, 3, 3, 3, 3, 3, 3, 0});
    int row = -1, column = -1;
    EXPECT_TRUE(board.encontradox(0, row, column));
    EXPECT_EQ(std::pair(row, column), std::pair(2, 3));
    EXPECT_FALSE(board.encontradox(8, row, column));
    EXPECT_EQ(std::pair(row, column), std::pair(0, 0));
    EXPECT_EQ(board.Blank(), (TCell{2, 3}));
    board.Load({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    EXPECT_EQ(board.Blank(), std::nullopt);
}

} // namespace
