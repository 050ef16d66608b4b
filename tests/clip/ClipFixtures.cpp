#include "tests/clip/ClipFixtures.h"

#include "clip/ClipLoader.h"

#include <algorithm>
#include <cstring>

namespace quindle::test {

QColor FrameColour(int n) { return QColor(0, (40 * n) % 256, 200); }

std::vector<gen::TRgbFrame> TestFrames(int count, int w, int h)
{
    std::vector<gen::TRgbFrame> frames;
    for (int n = 1; n <= count; ++n) {
        gen::TRgbFrame f{w, h, std::vector<uint8_t>(static_cast<size_t>(w) * h * 3)};
        const QColor c = FrameColour(n);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool square = x >= w / 4 && x < w - w / 4 && y >= h / 4 && y < h - h / 4;
                const QColor& px = square ? c : kClipBackground;
                uint8_t* p = f.At(x, y);
                p[0] = px.red();
                p[1] = px.green();
                p[2] = px.blue();
            }
        }
        frames.push_back(std::move(f));
    }
    return frames;
}

std::vector<uint8_t> TestClip(int count, int w, int h, int fps)
{
    return gen::AviBytes(TestFrames(count, w, h), fps);
}

std::vector<uint8_t> WithFrameSize(std::vector<uint8_t> avi, uint32_t w, uint32_t h)
{
    auto put = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            avi[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    auto find = [&](const char* tag) {
        return std::search(avi.begin(), avi.end(), tag, tag + 4) - avi.begin();
    };
    const size_t avih = find("avih"), strf = find("strf");
    put(avih + 8 + 32, w);
    put(avih + 8 + 36, h);
    put(strf + 8 + 4, w);
    put(strf + 8 + 8, h);
    return avi;
}

void UseBuiltClipModule() { SetClipModulePath(QStringLiteral(QUINDLE_CLIP_MODULE)); }

} // namespace quindle::test
