#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quindle::test {

// A canonical WAV: `frames` frames of `channels` samples of `bits` bits
// (PCM, or IEEE float when `format` is 3) at `rate`, sample i of the data
// being the low bytes of i * 37. `cut` bytes are then taken off the end,
// as a truncated copy would lose them (the header still claims them all).
inline std::vector<unsigned char> WavBytes(int channels, int bits, int frames, int rate = 8000,
                                           int cut = 0, int format = 1)
{
    const uint32_t block = static_cast<uint32_t>(channels * bits / 8);
    const uint32_t dataBytes = block * static_cast<uint32_t>(frames);
    std::vector<unsigned char> out;
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<unsigned char>(t[i]));
    };
    auto u16 = [&](uint32_t v) {
        out.push_back(static_cast<unsigned char>(v));
        out.push_back(static_cast<unsigned char>(v >> 8));
    };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    };
    tag("RIFF");
    u32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(static_cast<uint32_t>(format));
    u16(static_cast<uint32_t>(channels));
    u32(static_cast<uint32_t>(rate));
    u32(static_cast<uint32_t>(rate) * block);
    u16(block);
    u16(static_cast<uint32_t>(bits));
    tag("data");
    u32(dataBytes);
    for (uint32_t i = 0; i < dataBytes; ++i)
        out.push_back(static_cast<unsigned char>(i * 37));
    out.resize(out.size() - static_cast<std::size_t>(cut));
    return out;
}

// The n-byte little-endian field at `at`.
inline uint32_t LeField(const std::vector<unsigned char>& b, std::size_t at, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

} // namespace quindle::test
