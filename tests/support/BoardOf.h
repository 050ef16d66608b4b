#pragma once

#include "core/Board.h"

namespace quindle::test {

// The board read back cell by cell through its public face, row-major.
inline Arrangement BoardOf(const TBoard& b)
{
    Arrangement a{};
    for (int p = 0; p < 16; ++p)
        a[p] = b.Tablero(p / 4 + 1, p % 4 + 1);
    return a;
}

} // namespace quindle::test
