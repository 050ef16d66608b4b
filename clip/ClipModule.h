#pragma once

// The C interface of the clip decoder module (quindle_clip), which the game
// loads on the first clip open so that FFmpeg stays out of start-up.

#ifdef __cplusplus
extern "C" {
#endif

// Bumped whenever anything below changes; the loader refuses another value.
#define QUINDLE_CLIP_ABI 2

#include <stddef.h>

// The largest frames and clips the decoder accepts.
#define QUINDLE_CLIP_MAX_SIDE 2048
#define QUINDLE_CLIP_MAX_FRAMES 4096

typedef struct QuindleClip QuindleClip;

typedef struct QuindleClipInfo {
    int FrameCount;
    int Width;
    int Height;
    // Frames per second as a fraction; both positive.
    int RateNum;
    int RateDen;
} QuindleClipInfo;

typedef int (*QuindleClipAbiFn)(void);
// Decodes every frame of the AVI clip held in data[0..size). Returns null
// when it is empty, truncated or corrupt, when its decoded frames would
// take more than maxFrameBytes, or when decoding takes longer than
// maxMilliseconds.
typedef QuindleClip* (*QuindleClipOpenFn)(const unsigned char* data, size_t size, size_t maxFrameBytes,
                                          int maxMilliseconds);
typedef void (*QuindleClipInfoFn)(const QuindleClip* clip, QuindleClipInfo* info);
// Frame 0..FrameCount-1: Width * Height pixels, rows top to bottom, each
// pixel a native-endian 32-bit 0xffRRGGBB. Valid until the clip is closed.
typedef const unsigned char* (*QuindleClipFrameFn)(const QuindleClip* clip, int index);
typedef void (*QuindleClipCloseFn)(QuindleClip* clip);

#define QUINDLE_CLIP_SYM_ABI "quindle_clip_abi"
#define QUINDLE_CLIP_SYM_OPEN "quindle_clip_open"
#define QUINDLE_CLIP_SYM_INFO "quindle_clip_info"
#define QUINDLE_CLIP_SYM_FRAME "quindle_clip_frame"
#define QUINDLE_CLIP_SYM_CLOSE "quindle_clip_close"

#ifdef __cplusplus
}
#endif
