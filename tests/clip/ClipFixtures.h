#pragma once

#include "tools/genassets/Riff.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <vector>

namespace quindle::test {

// The background of test clips, and the colour of frame n's centre square.
inline const QColor kClipBackground(255, 0, 255);
QColor FrameColour(int n);

// `count` frames of a w × h clip: the background with a square in the
// middle whose colour tells the frames apart.
std::vector<gen::TRgbFrame> TestFrames(int count, int w, int h);
std::vector<uint8_t> TestClip(int count, int w, int h, int fps);

// A clip whose header claims w × h frames of the given size.
std::vector<uint8_t> WithFrameSize(std::vector<uint8_t> avi, uint32_t w, uint32_t h);

// Points the game at the decoder module of this build.
void UseBuiltClipModule();

} // namespace quindle::test
