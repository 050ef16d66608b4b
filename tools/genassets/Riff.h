#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quindle::gen {

// A picture as rows of RGB triples, top row first.
struct TRgbFrame {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgb;

    uint8_t* At(int x, int y) { return &Rgb[(static_cast<size_t>(y) * Width + x) * 3]; }
};

// 16-bit PCM mono. Returns false if the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<int16_t>& samples, int rate);

// An uncompressed 24-bit AVI clip (the classic DIB layout: rows bottom up,
// padded to four bytes) with an index and no audio. All frames must have
// the same size.
std::vector<uint8_t> AviBytes(const std::vector<TRgbFrame>& frames, int fps);
bool WriteAvi(const std::string& path, const std::vector<TRgbFrame>& frames, int fps);

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace quindle::gen
