#include "core/Patterns.h"

#include <stdexcept>
#include <string>

namespace quindle {

namespace {

// Arrangements 5 and 9 are the same board; the win check reports the first.
constexpr std::array<Arrangement, NumJuegos> kJuegos = {{
    {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 0},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0},
    {1, 2, 3, 4, 12, 13, 14, 5, 11, 0, 15, 6, 10, 9, 8, 7},
    {7, 11, 14, 0, 4, 8, 12, 15, 2, 5, 9, 13, 1, 3, 6, 10},
    {7, 4, 2, 1, 11, 8, 5, 3, 14, 12, 9, 6, 0, 15, 13, 10},
    {0, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1},
    {4, 8, 12, 0, 3, 7, 11, 15, 2, 6, 10, 14, 1, 5, 9, 13},
    {0, 15, 13, 10, 14, 12, 9, 6, 11, 8, 5, 3, 7, 4, 2, 1},
    {7, 4, 2, 1, 11, 8, 5, 3, 14, 12, 9, 6, 0, 15, 13, 10},
    {15, 14, 13, 12, 4, 3, 2, 11, 5, 0, 1, 10, 6, 7, 8, 9},
    {4, 3, 2, 1, 8, 7, 6, 5, 12, 11, 10, 9, 0, 15, 14, 13},
    {1, 2, 3, 4, 8, 7, 6, 5, 9, 10, 11, 12, 0, 15, 14, 13},
    {1, 8, 9, 0, 2, 7, 10, 15, 3, 6, 11, 14, 4, 5, 12, 13},
    {0, 9, 8, 1, 15, 10, 7, 2, 14, 11, 6, 3, 13, 12, 5, 4},
}};

constexpr std::array<const char*, NumJuegos> kModos = {
    "Vertical...",
    "Horizontal...",
    "Caracol...",
    "Escalonada A->",
    "Escalonada A<-",
    "Incredible Impossible",
    "Vertical inversa",
    "Escalonada #3",
    "Escalonada #4",
    "Caracol #2",
    "Vertical #2",
    "Serpiente",
    "Serpiente #2",
    "Serpiente #3",
};

int checkedIndex(int k, const char* what)
{
    if (k < 1 || k > NumJuegos)
        throw std::out_of_range(std::string(what) + ": no arrangement " + std::to_string(k));
    return k - 1;
}

} // namespace

const Arrangement& Juegos(int k)
{
    return kJuegos[checkedIndex(k, "Juegos")];
}

const char* Modos(int k)
{
    return kModos[checkedIndex(k, "Modos")];
}

bool Iguales(const Arrangement& a, const Arrangement& b)
{
    return a == b;
}

} // namespace quindle
