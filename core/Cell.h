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

} // namespace quindle
