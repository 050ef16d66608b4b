#pragma once

// A place on the 4 x 4 board, rows and columns counted from 1.

namespace quindle {

constexpr int kSide = 4;

struct TCell {
    int Row = 0;
    int Column = 0;
    bool operator==(const TCell&) const = default;
};

constexpr bool OnBoard(TCell cell)
{
    return cell.Row >= 1 && cell.Row <= kSide && cell.Column >= 1 && cell.Column <= kSide;
}

// Cells in row-major order, 0 top left to 15 bottom right, as arrangements
// list them.
constexpr int IndexOfCell(TCell cell)
{
    return (cell.Row - 1) * kSide + (cell.Column - 1);
}

constexpr TCell CellAtIndex(int index)
{
    return {index / kSide + 1, index % kSide + 1};
}

// The tile buttons are numbered 1 to 16 in the same order.
constexpr TCell CellOfButton(int button)
{
    return CellAtIndex(button - 1);
}

} // namespace quindle
