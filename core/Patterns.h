#pragma once

#include "core/Arrangement.h"

namespace quindle {

// The target arrangements a board can be won on, numbered 1..NumJuegos.
constexpr int NumJuegos = 14;

// Throws std::out_of_range unless 1 <= k <= NumJuegos.
const Arrangement& Juegos(int k);
// Display name of arrangement k; throws std::out_of_range like Juegos.
const char* Modos(int k);

bool Iguales(const Arrangement& a, const Arrangement& b);

} // namespace quindle
