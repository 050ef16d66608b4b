#include "core/Random.h"

#include <chrono>

namespace quindle {

std::uint32_t UtcMillisecondsOfDay()
{
    using namespace std::chrono;
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    // floor, not truncation, keeps the value in range for any clock setting.
    const auto sinceMidnight = now - floor<days>(now);
    return static_cast<std::uint32_t>(sinceMidnight.count());
}

void TRandom::Randomize(std::uint32_t seed)
{
    FSeed = seed;
}

std::int32_t TRandom::Random(std::int32_t n)
{
    FSeed = FSeed * 134775813u + 1u;
    if (n <= 0)
        return 0;
    const std::uint64_t scaled = static_cast<std::uint64_t>(FSeed) * static_cast<std::uint64_t>(n);
    return static_cast<std::int32_t>(scaled >> 32);
}

std::uint32_t TRandom::Seed() const
{
    return FSeed;
}

} // namespace quindle
