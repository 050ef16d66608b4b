#pragma once

#include <cstdint>

namespace quindle {

// Milliseconds since midnight UTC, the seed of every deal.
std::uint32_t UtcMillisecondsOfDay();

// 32-bit linear congruential generator; the deal depends on it bit for bit,
// so the same seed always deals the same board.
class TRandom {
public:
    void Randomize(std::uint32_t seed);
    // Advances the seed, then maps it onto 0..n-1; 0 when n <= 0.
    std::int32_t Random(std::int32_t n);
    std::uint32_t Seed() const;

private:
    std::uint32_t FSeed = 0;
};

} // namespace quindle
