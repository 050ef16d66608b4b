#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>

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

// Reads a clip through the decoder module, loading that on first use.
// Nothing when the file or the module cannot be read.
std::optional<TClip> LoadClip(const QString& path);

// Where the decoder module is; empty restores the search next to the
// executable, then in the install directory. For tests.
void SetClipModulePath(const QString& path);

// Whether the decoder module has been loaded into the process.
bool ClipModuleLoaded();

} // namespace quindle
