#include "tools/genassets/Riff.h"

#include <cstdio>
#include <cstring>

namespace quindle::gen {

namespace {

class TBuffer {
public:
    void U16(uint32_t v) { Raw(v, 2); }
    void U32(uint32_t v) { Raw(v, 4); }
    void Tag(const char* fourcc) { Bytes.insert(Bytes.end(), fourcc, fourcc + 4); }

    // Starts a chunk and returns where its size goes.
    size_t Open(const char* fourcc)
    {
        Tag(fourcc);
        const size_t at = Bytes.size();
        U32(0);
        return at;
    }
    void Close(size_t sizeAt)
    {
        if ((Bytes.size() - sizeAt) % 2 == 1)
            Bytes.push_back(0); // chunks are word aligned
        const uint32_t size = static_cast<uint32_t>(Bytes.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i)
            Bytes[sizeAt + i] = static_cast<uint8_t>(size >> (8 * i));
    }

    std::vector<uint8_t> Bytes;

private:
    void Raw(uint32_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            Bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
};

} // namespace

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    // An empty vector's data() may be null, which fwrite must not get.
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool WriteWav(const std::string& path, const std::vector<int16_t>& samples, int rate)
{
    TBuffer b;
    const size_t riff = b.Open("RIFF");
    b.Tag("WAVE");
    const size_t fmt = b.Open("fmt ");
    b.U16(1); // PCM
    b.U16(1); // mono
    b.U32(rate);
    b.U32(rate * 2);
    b.U16(2);
    b.U16(16);
    b.Close(fmt);
    const size_t data = b.Open("data");
    for (int16_t s : samples)
        b.U16(static_cast<uint16_t>(s));
    b.Close(data);
    b.Close(riff);
    return WriteBytes(path, b.Bytes);
}

std::vector<uint8_t> AviBytes(const std::vector<TRgbFrame>& frames, int fps)
{
    const int w = frames.empty() ? 0 : frames.front().Width;
    const int h = frames.empty() ? 0 : frames.front().Height;
    const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    const uint32_t frameBytes = stride * h;
    const uint32_t count = static_cast<uint32_t>(frames.size());

    TBuffer b;
    const size_t riff = b.Open("RIFF");
    b.Tag("AVI ");
    const size_t hdrl = b.Open("LIST");
    b.Tag("hdrl");
    const size_t avih = b.Open("avih");
    b.U32(1000000 / fps);
    b.U32(frameBytes * fps);
    b.U32(0);
    b.U32(0x10); // has an index
    b.U32(count);
    b.U32(0);
    b.U32(1);
    b.U32(frameBytes);
    b.U32(w);
    b.U32(h);
    for (int i = 0; i < 4; ++i)
        b.U32(0);
    b.Close(avih);
    const size_t strl = b.Open("LIST");
    b.Tag("strl");
    const size_t strh = b.Open("strh");
    b.Tag("vids");
    b.Tag("DIB ");
    b.U32(0);       // flags
    b.U16(0);       // priority
    b.U16(0);       // language
    b.U32(0);       // initial frames
    b.U32(1);       // scale
    b.U32(fps);     // rate
    b.U32(0);       // start
    b.U32(count);   // length
    b.U32(frameBytes);
    b.U32(0xffffffffu); // quality
    b.U32(0);       // sample size
    b.U16(0);
    b.U16(0);
    b.U16(w);
    b.U16(h);
    b.Close(strh);
    const size_t strf = b.Open("strf");
    b.U32(40);
    b.U32(w);
    b.U32(h); // positive: bottom-up rows
    b.U16(1);
    b.U16(24);
    b.U32(0); // BI_RGB
    b.U32(frameBytes);
    b.U32(0);
    b.U32(0);
    b.U32(0);
    b.U32(0);
    b.Close(strf);
    b.Close(strl);
    b.Close(hdrl);

    const size_t movi = b.Open("LIST");
    const size_t moviTag = b.Bytes.size();
    b.Tag("movi");
    std::vector<uint32_t> offsets;
    for (const TRgbFrame& f : frames) {
        offsets.push_back(static_cast<uint32_t>(b.Bytes.size() - moviTag));
        const size_t chunk = b.Open("00db");
        for (int y = h - 1; y >= 0; --y) {
            const uint8_t* row = &f.Rgb[static_cast<size_t>(y) * w * 3];
            for (int x = 0; x < w; ++x) {
                b.Bytes.push_back(row[x * 3 + 2]);
                b.Bytes.push_back(row[x * 3 + 1]);
                b.Bytes.push_back(row[x * 3 + 0]);
            }
            for (uint32_t pad = w * 3; pad < stride; ++pad)
                b.Bytes.push_back(0);
        }
        b.Close(chunk);
    }
    b.Close(movi);
    const size_t idx1 = b.Open("idx1");
    for (uint32_t offset : offsets) {
        b.Tag("00db");
        b.U32(0x10); // key frame
        b.U32(offset);
        b.U32(frameBytes);
    }
    b.Close(idx1);
    b.Close(riff);
    return std::move(b.Bytes);
}

bool WriteAvi(const std::string& path, const std::vector<TRgbFrame>& frames, int fps)
{
    return WriteBytes(path, AviBytes(frames, fps));
}

} // namespace quindle::gen
