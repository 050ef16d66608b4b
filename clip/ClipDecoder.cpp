// The clip decoder module: reads a whole AVI clip through FFmpeg.
#include "ClipModule.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#define QUINDLE_EXPORT extern "C" __attribute__((visibility("default")))

struct QuindleClip {
    QuindleClipInfo Info{};
    std::vector<std::vector<unsigned char>> Frames;
};

namespace {

struct TFormatCloser {
    void operator()(AVFormatContext* p) const { avformat_close_input(&p); }
};
struct TCodecFreer {
    void operator()(AVCodecContext* p) const { avcodec_free_context(&p); }
};
struct TFrameFreer {
    void operator()(AVFrame* p) const { av_frame_free(&p); }
};
struct TPacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct TScaleFreer {
    void operator()(SwsContext* p) const { sws_freeContext(p); }
};

// The clip's bytes as FFmpeg's input: no file is opened here.
struct TMemoryInput {
    const unsigned char* Data;
    size_t Size;
    size_t Pos = 0;
};

int ReadMemory(void* user, uint8_t* buf, int size)
{
    auto* in = static_cast<TMemoryInput*>(user);
    if (in->Pos >= in->Size)
        return AVERROR_EOF;
    const size_t n = std::min(static_cast<size_t>(size), in->Size - in->Pos);
    std::memcpy(buf, in->Data + in->Pos, n);
    in->Pos += n;
    return static_cast<int>(n);
}

int64_t SeekMemory(void* user, int64_t offset, int whence)
{
    auto* in = static_cast<TMemoryInput*>(user);
    if (whence == AVSEEK_SIZE)
        return static_cast<int64_t>(in->Size);
    int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<int64_t>(in->Pos); break;
    case SEEK_END: base = static_cast<int64_t>(in->Size); break;
    default: return -1;
    }
    if (offset < -base || offset > static_cast<int64_t>(in->Size) - base)
        return -1;
    in->Pos = static_cast<size_t>(base + offset);
    return static_cast<int64_t>(in->Pos);
}

struct TIoFreer {
    void operator()(AVIOContext* p) const
    {
        av_freep(&p->buffer);
        avio_context_free(&p);
    }
};

using TClock = std::chrono::steady_clock;

// Ends FFmpeg's own loops (probing, stream analysis) past the deadline.
int PastDeadline(void* deadline) { return TClock::now() > *static_cast<TClock::time_point*>(deadline); }

bool SizeAcceptable(int w, int h)
{
    return w > 0 && h > 0 && w <= QUINDLE_CLIP_MAX_SIDE && h <= QUINDLE_CLIP_MAX_SIDE;
}

// Frames per second; clips without a usable rate play at 15.
AVRational ClipRate(const AVStream* st)
{
    for (AVRational r : {st->avg_frame_rate, st->r_frame_rate}) {
        if (r.num > 0 && r.den > 0 && av_q2d(r) >= 0.1 && av_q2d(r) <= 1000.0)
            return r;
    }
    return AVRational{15, 1};
}

class TDecoder {
public:
    TDecoder(const unsigned char* data, size_t size, size_t maxFrameBytes, int maxMilliseconds)
        : FInput{data, size}, FMaxFrameBytes(maxFrameBytes),
          FDeadline(TClock::now() + std::chrono::milliseconds(maxMilliseconds))
    {
    }

    std::unique_ptr<QuindleClip> Run()
    {
        constexpr int kIoBuffer = 32 * 1024;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBuffer));
        if (!buffer)
            return nullptr;
        FIo.reset(avio_alloc_context(buffer, kIoBuffer, 0, &FInput, ReadMemory, nullptr, SeekMemory));
        if (!FIo) {
            av_free(buffer);
            return nullptr;
        }
        AVFormatContext* raw = avformat_alloc_context();
        if (!raw)
            return nullptr;
        raw->pb = FIo.get();
        raw->flags |= AVFMT_FLAG_CUSTOM_IO;
        raw->interrupt_callback = AVIOInterruptCB{PastDeadline, &FDeadline};
        // On failure FFmpeg frees the context itself.
        if (avformat_open_input(&raw, nullptr, av_find_input_format("avi"), nullptr) < 0)
            return nullptr;
        FFormat.reset(raw);
        if (avformat_find_stream_info(raw, nullptr) < 0)
            return nullptr;
        const AVCodec* codec = nullptr;
        FStream = av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
        if (FStream < 0 || !codec)
            return nullptr;
        const AVStream* st = raw->streams[FStream];
        const AVCodecParameters* par = st->codecpar;
        if (!SizeAcceptable(par->width, par->height) || st->nb_frames > QUINDLE_CLIP_MAX_FRAMES
            || FrameBytes(par->width, par->height) > FMaxFrameBytes)
            return nullptr;

        FCodec.reset(avcodec_alloc_context3(codec));
        if (!FCodec || avcodec_parameters_to_context(FCodec.get(), par) < 0
            || avcodec_open2(FCodec.get(), codec, nullptr) < 0)
            return nullptr;

        FClip = std::make_unique<QuindleClip>();
        FClip->Info.Width = par->width;
        FClip->Info.Height = par->height;
        const AVRational rate = ClipRate(st);
        FClip->Info.RateNum = rate.num;
        FClip->Info.RateDen = rate.den;

        FFrame.reset(av_frame_alloc());
        std::unique_ptr<AVPacket, TPacketFreer> pkt(av_packet_alloc());
        if (!FFrame || !pkt)
            return nullptr;
        for (;;) {
            if (TClock::now() > FDeadline)
                return nullptr;
            const int rc = av_read_frame(raw, pkt.get());
            if (rc == AVERROR_EOF)
                break;
            if (rc < 0)
                return nullptr;
            const bool ours = pkt->stream_index == FStream;
            const bool corrupt = (pkt->flags & AV_PKT_FLAG_CORRUPT) != 0;
            const bool sent = ours && !corrupt && avcodec_send_packet(FCodec.get(), pkt.get()) >= 0;
            av_packet_unref(pkt.get());
            if (ours && (!sent || !Receive()))
                return nullptr;
        }
        if (avcodec_send_packet(FCodec.get(), nullptr) < 0 || !Receive())
            return nullptr;

        // A clip cut short decodes fewer frames than its header promises.
        const int count = static_cast<int>(FClip->Frames.size());
        if (count == 0 || (st->nb_frames > 0 && count < st->nb_frames))
            return nullptr;
        FClip->Info.FrameCount = count;
        return std::move(FClip);
    }

private:
    static size_t FrameBytes(int w, int h) { return static_cast<size_t>(w) * static_cast<size_t>(h) * 4; }

    bool Receive()
    {
        for (;;) {
            const int rc = avcodec_receive_frame(FCodec.get(), FFrame.get());
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                return true;
            if (rc < 0)
                return false;
            const bool ok = Convert();
            av_frame_unref(FFrame.get());
            if (!ok)
                return false;
        }
    }

    bool Convert()
    {
        const AVFrame* f = FFrame.get();
        const int w = FClip->Info.Width;
        const int h = FClip->Info.Height;
        // Checked before anything is allocated for it.
        if (f->width != w || f->height != h)
            return false;
        const size_t bytes = FrameBytes(w, h);
        if (FClip->Frames.size() >= QUINDLE_CLIP_MAX_FRAMES
            || (FClip->Frames.size() + 1) * bytes > FMaxFrameBytes || TClock::now() > FDeadline)
            return false;
        FScale.reset(sws_getCachedContext(FScale.release(), w, h,
                                          static_cast<AVPixelFormat>(f->format), w, h,
                                          AV_PIX_FMT_RGB32, SWS_POINT, nullptr, nullptr, nullptr));
        if (!FScale)
            return false;
        std::vector<unsigned char> pixels(bytes);
        uint8_t* dst[4] = {pixels.data(), nullptr, nullptr, nullptr};
        int dstStride[4] = {w * 4, 0, 0, 0};
        if (sws_scale(FScale.get(), f->data, f->linesize, 0, h, dst, dstStride) != h)
            return false;
        // Clip formats carry no alpha; a palette's spare byte must not become one.
        for (size_t i = 0; i < bytes; i += 4) {
            uint32_t px;
            std::memcpy(&px, &pixels[i], 4);
            px |= 0xff000000u;
            std::memcpy(&pixels[i], &px, 4);
        }
        FClip->Frames.push_back(std::move(pixels));
        return true;
    }

    TMemoryInput FInput;
    size_t FMaxFrameBytes;
    TClock::time_point FDeadline;
    // Declared before the format context, which uses it until it is closed.
    std::unique_ptr<AVIOContext, TIoFreer> FIo;
    std::unique_ptr<AVFormatContext, TFormatCloser> FFormat;
    std::unique_ptr<AVCodecContext, TCodecFreer> FCodec;
    std::unique_ptr<AVFrame, TFrameFreer> FFrame;
    std::unique_ptr<SwsContext, TScaleFreer> FScale;
    std::unique_ptr<QuindleClip> FClip;
    int FStream = -1;
};

} // namespace

QUINDLE_EXPORT int quindle_clip_abi(void) { return QUINDLE_CLIP_ABI; }

QUINDLE_EXPORT QuindleClip* quindle_clip_open(const unsigned char* data, size_t size, size_t maxFrameBytes,
                                             int maxMilliseconds)
{
    if (!data || size == 0 || size > static_cast<size_t>(INT64_MAX))
        return nullptr;
    av_log_set_level(AV_LOG_QUIET);
    try {
        return TDecoder(data, size, maxFrameBytes, maxMilliseconds).Run().release();
    } catch (...) {
        return nullptr; // out of memory: the clip cannot be opened
    }
}

QUINDLE_EXPORT void quindle_clip_info(const QuindleClip* clip, QuindleClipInfo* info)
{
    if (clip && info)
        *info = clip->Info;
}

QUINDLE_EXPORT const unsigned char* quindle_clip_frame(const QuindleClip* clip, int index)
{
    if (!clip || index < 0 || index >= static_cast<int>(clip->Frames.size()))
        return nullptr;
    return clip->Frames[index].data();
}

QUINDLE_EXPORT void quindle_clip_close(QuindleClip* clip) { delete clip; }
