#pragma once

#include "tools/genassets/Riff.h"

#include <cstdint>
#include <vector>

namespace quindle::gen {

constexpr int kSampleRate = 22050;

// The four cues, mono at kSampleRate, each from its own fixed seed.
std::vector<int16_t> ShuffleCue();  // left.wav: cards riffled with a whoosh
std::vector<int16_t> ClickCue();    // ok.wav: a soft wooden tick
std::vector<int16_t> UhOhCue();     // uhoh.wav: two falling notes
std::vector<int16_t> ApplauseCue(); // applause.wav

// cool.avi: a gold star spinning on the dialog's face colour.
constexpr int kStarFps = 12;
std::vector<TRgbFrame> StarFrames();

} // namespace quindle::gen
