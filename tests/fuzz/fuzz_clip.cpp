// The clip path on arbitrary bytes: the file is written where the game
// would read it and loaded through the decoder module, every copy included.
#include "clip/ClipLoader.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One scratch file per process, rewritten for every input.
const char* ScratchPath()
{
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        std::string p = std::string(dir && *dir ? dir : "/tmp") + "/quindle-fuzz-clip-XXXXXX";
        const int fd = mkstemp(p.data());
        if (fd < 0) {
            std::perror("mkstemp");
            std::abort();
        }
        close(fd);
        std::atexit([] { unlink(ScratchPath()); });
        return p;
    }();
    return path.c_str();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    quindle::SetClipModulePath(QStringLiteral(QUINDLE_CLIP_MODULE));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(ScratchPath(), "wb");
    if (!f || (size && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0)
        std::abort();
    const std::optional<quindle::TClip> clip = quindle::LoadClip(std::string(ScratchPath()));
    if (clip) {
        // What the player relies on: at least one frame, all of the stated size.
        if (clip->Frames.isEmpty())
            std::abort();
        for (const QImage& frame : clip->Frames)
            if (frame.size() != clip->FrameSize || frame.isNull())
                std::abort();
    }
    return 0;
}
