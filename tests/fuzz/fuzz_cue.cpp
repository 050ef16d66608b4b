// The cue check on arbitrary bytes. Whatever it accepts must be what the
// sound library can take safely: a plain 16-bit PCM WAV of whole mono or
// stereo frames, which the check itself accepts again unchanged.
#include "sound/CueValidator.h"
#include "tests/sound/WavFixtures.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using quindle::test::LeField;

bool WellFormed(const std::vector<unsigned char>& b)
{
    if (b.size() < 46)
        return false;
    const uint32_t channels = LeField(b, 22, 2), rate = LeField(b, 24, 4), bits = LeField(b, 34, 2);
    const uint32_t block = LeField(b, 32, 2), data = LeField(b, 40, 4);
    return LeField(b, 20, 2) == 1 && (channels == 1 || channels == 2) && bits == 16 && block == channels * 2
        && rate > 0 && LeField(b, 28, 4) == rate * block && data > 0 && data % block == 0
        && b.size() == 44 + static_cast<std::size_t>(data) && LeField(b, 4, 4) == 36 + data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<std::vector<unsigned char>> cue = quindle::ValidatedCue(data, size);
    if (!cue)
        return 0;
    if (!WellFormed(*cue))
        std::abort();
    if (quindle::ValidatedCue(cue->data(), cue->size()) != cue)
        std::abort();
    return 0;
}
