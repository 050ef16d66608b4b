#pragma once

// Loading a clip through the decoder module, within a budget.

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace quindle {

// A decoded clip: every frame up front, as opaque RGB32 images.
struct TClip {
    QList<QImage> Frames;
    QSize FrameSize;
    int RateNum = 15; // frames per second, as a fraction
    int RateDen = 1;

    int FrameCount() const { return static_cast<int>(Frames.size()); }
    // Milliseconds between frames.
    int FrameInterval() const;
};

// What one clip may cost. Memory counts the file's bytes and three copies
// of every decoded frame: the decoder's, the loader's and the player's
// masked one. Time counts decoding.
constexpr std::size_t kClipBudgetBytes = 48 * 1024 * 1024;
constexpr std::size_t kMaxClipFileBytes = 16 * 1024 * 1024;
constexpr int kClipBudgetMilliseconds = 3000;

// Reads a clip through the decoder module, loading that on first use.
// Only a regular file is read, never waiting for a writer. Nothing when the
// file or the module cannot be read, or the clip is over budget. `path` is
// in the file system's encoding.
std::optional<TClip> LoadClip(const std::string& path);
// The same on another thread, while this one goes on serving timers and
// painting (not input), so a slow clip does not stop the clock.
std::optional<TClip> LoadClipKeepingTimers(const std::string& path);
// For tests: a path the file system's encoding can represent.
std::optional<TClip> LoadClip(const QString& path);

// Where the decoder module is; empty restores the search next to the
// executable, then in the install directory. For tests.
void SetClipModulePath(const QString& path);

// Whether the decoder module has been loaded into the process.
bool ClipModuleLoaded();

} // namespace quindle
