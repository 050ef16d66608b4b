#pragma once

// The check of a cue file's bytes, run in the sound process.

#include "files/Descriptor.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace quindle {

// Largest cue file read; a larger one is refused without reading it.
constexpr std::size_t kMaxCueFileBytes = 16 * 1024 * 1024;
// Longest cue played, in seconds, and most bytes of PCM it may decode to.
constexpr int kMaxCueSeconds = 60;
constexpr std::size_t kMaxCuePcmBytes = 32 * 1024 * 1024;

// Checks the bytes of a .wav cue with a full WAV reader and returns them
// rewritten as a plain little-endian 16-bit PCM WAV, mono or stereo, of
// whole frames only: what the sound server is ever given. Nothing when the
// bytes are not a playable WAV (wrong format, no frames, absurd rate or
// channel count, too long). Of more than two channels the first two play.
std::optional<std::vector<unsigned char>> ValidatedCue(const unsigned char* data, std::size_t size);

// What the sound process plays for a cue file it is handed: the file's
// bytes checked and rewritten as above, in an anonymous file; none when
// they are not a playable WAV.
TDescriptor CheckedCueCopy(int fd);

} // namespace quindle
