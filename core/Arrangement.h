#pragma once

#include <array>
#include <cstdint>

namespace quindle {

// Row-major board contents (row 1 columns 1..4, then row 2, ...); 0 is the blank.
using Arrangement = std::array<std::int32_t, 16>;

} // namespace quindle
