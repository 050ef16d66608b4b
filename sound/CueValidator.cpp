#include "sound/CueValidator.h"

#include "files/MemoryFile.h"
#include "files/RegularFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

namespace quindle {

namespace {

constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;
constexpr int kMaxChannels = 64;

// libsndfile reading from memory.
struct TMemory {
    const unsigned char* Data;
    sf_count_t Size;
    sf_count_t Pos = 0;
};

sf_count_t MemLength(void* user) { return static_cast<TMemory*>(user)->Size; }

sf_count_t MemSeek(sf_count_t offset, int whence, void* user)
{
    auto* m = static_cast<TMemory*>(user);
    sf_count_t base = 0;
    switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = m->Pos; break;
    case SEEK_END: base = m->Size; break;
    default: return -1;
    }
    // Overflow-safe: offsets come from the file's own headers.
    if ((offset > 0 && base > m->Size - offset) || base + offset < 0)
        return -1;
    m->Pos = base + offset;
    return m->Pos;
}

sf_count_t MemRead(void* ptr, sf_count_t count, void* user)
{
    auto* m = static_cast<TMemory*>(user);
    if (count <= 0 || m->Pos >= m->Size)
        return 0;
    const sf_count_t n = std::min(count, m->Size - m->Pos);
    std::memcpy(ptr, m->Data + m->Pos, static_cast<std::size_t>(n));
    m->Pos += n;
    return n;
}

sf_count_t MemWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t MemTell(void* user) { return static_cast<TMemory*>(user)->Pos; }

struct TCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};

bool KnownTag(uint32_t tag)
{
    switch (tag) {
    case 0x0001: // PCM
    case 0x0002: // MS ADPCM
    case 0x0003: // IEEE float
    case 0x0006: // A-law
    case 0x0007: // mu-law
    case 0x0011: // IMA ADPCM
    case 0x0031: // GSM 6.10
        return true;
    default:
        return false;
    }
}

// The WAV format tag of the "fmt " chunk, read before libsndfile sees the
// bytes: it would hand other codecs (MPEG among them) to further libraries.
bool AcceptedFormatTag(const unsigned char* data, std::size_t size)
{
    auto le = [&](std::size_t at, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = v << 8 | data[at + static_cast<std::size_t>(i)];
        return v;
    };
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return false;
    for (std::size_t at = 12; size - at >= 8;) {
        const uint32_t length = le(at + 4, 4);
        if (std::memcmp(data + at, "fmt ", 4) == 0) {
            const std::size_t body = std::min<std::size_t>(length, size - at - 8);
            if (body < 2)
                return false;
            const uint32_t tag = le(at + 8, 2);
            // Extensible: the sub-format's first two bytes are the real tag.
            if (tag == 0xfffe)
                return body >= 26 && KnownTag(le(at + 8 + 24, 2));
            return KnownTag(tag);
        }
        // Chunks are padded to an even length.
        const std::size_t next = static_cast<std::size_t>(length) + (length & 1u);
        if (next > size - at - 8)
            return false;
        at += 8 + next;
    }
    return false;
}

bool AcceptedFormat(int format)
{
    const int major = format & SF_FORMAT_TYPEMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX)
        return false;
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_16:
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW:
    case SF_FORMAT_IMA_ADPCM:
    case SF_FORMAT_MS_ADPCM:
    case SF_FORMAT_GSM610:
        return true;
    default:
        return false;
    }
}

// libsndfile scales 16-bit samples by 1/32768, so they come back exact.
int16_t ToSample(float v)
{
    if (!(v == v)) // NaN
        return 0;
    return static_cast<int16_t>(std::lround(std::clamp(v * 32768.0f, -32768.0f, 32767.0f)));
}

void Put16(std::vector<unsigned char>& out, uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xff));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void Put32(std::vector<unsigned char>& out, uint32_t v)
{
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

void PutTag(std::vector<unsigned char>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(tag[i]));
}

} // namespace

std::optional<std::vector<unsigned char>> ValidatedCue(const unsigned char* data, std::size_t size)
{
    if (!data || size == 0 || size > kMaxCueFileBytes || !AcceptedFormatTag(data, size))
        return std::nullopt;
    TMemory memory{data, static_cast<sf_count_t>(size)};
    SF_VIRTUAL_IO io{MemLength, MemSeek, MemRead, MemWrite, MemTell};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, TCloser> file(sf_open_virtual(&io, SFM_READ, &info, &memory));
    if (!file || !AcceptedFormat(info.format) || info.channels < 1 || info.channels > kMaxChannels
        || info.samplerate < kMinRate || info.samplerate > kMaxRate || info.frames <= 0)
        return std::nullopt;
    const int inChannels = info.channels;
    const int outChannels = std::min(inChannels, 2);
    const sf_count_t maxFrames = std::min<sf_count_t>(
        static_cast<sf_count_t>(info.samplerate) * kMaxCueSeconds,
        static_cast<sf_count_t>(kMaxCuePcmBytes / (2 * outChannels)));
    if (info.frames > maxFrames)
        return std::nullopt;
    std::vector<int16_t> pcm;
    pcm.reserve(static_cast<std::size_t>(info.frames) * outChannels);
    constexpr sf_count_t kChunk = 4096;
    std::vector<float> buffer(static_cast<std::size_t>(kChunk) * inChannels);
    for (;;) {
        // Only whole frames come back: a cut-off last frame is left out.
        const sf_count_t got = sf_readf_float(file.get(), buffer.data(), kChunk);
        if (got <= 0)
            break;
        for (sf_count_t f = 0; f < got; ++f) {
            const float* frame = &buffer[static_cast<std::size_t>(f) * inChannels];
            for (int c = 0; c < outChannels; ++c)
                pcm.push_back(ToSample(frame[c]));
        }
        if (static_cast<sf_count_t>(pcm.size() / outChannels) > maxFrames)
            return std::nullopt;
    }
    const std::size_t frames = pcm.size() / outChannels;
    if (frames == 0)
        return std::nullopt;

    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, static_cast<uint32_t>(outChannels));
    Put32(out, static_cast<uint32_t>(info.samplerate));
    Put32(out, static_cast<uint32_t>(info.samplerate) * outChannels * 2);
    Put16(out, static_cast<uint32_t>(outChannels * 2));
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (int16_t s : pcm)
        Put16(out, static_cast<uint16_t>(s));
    return out;
}

TDescriptor CheckedCueCopy(int fd)
{
    const auto bytes = ReadOpenFile(fd, kMaxCueFileBytes);
    const auto checked = bytes ? ValidatedCue(bytes->data(), bytes->size()) : std::nullopt;
    return checked ? MemoryFile(*checked) : TDescriptor();
}

} // namespace quindle
