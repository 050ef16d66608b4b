#pragma once

#include <cmath>

namespace quindle {

// To the nearest whole number, halves to the even neighbour (the default
// rounding mode).
inline double RoundEven(double x) { return std::nearbyint(x); }

} // namespace quindle
