// The check every cue passes before the sound library sees it.
#include "sound/CueValidator.h"
#include "files/MemoryFile.h"
#include "files/RegularFile.h"
#include "tests/sound/WavFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <optional>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using quindle::ValidatedCue;
using quindle::test::LeField;
using quindle::test::WavBytes;

namespace {

struct TWav {
    int Channels = 0, Rate = 0, Bits = 0;
    uint32_t DataBytes = 0;
    std::size_t Size = 0;
};

TWav Parse(const std::vector<unsigned char>& b)
{
    EXPECT_GE(b.size(), 44u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    EXPECT_EQ(LeField(b, 20, 2), 1u); // PCM
    return {static_cast<int>(LeField(b, 22, 2)), static_cast<int>(LeField(b, 24, 4)), static_cast<int>(LeField(b, 34, 2)),
            LeField(b, 40, 4), b.size()};
}

std::optional<std::vector<unsigned char>> Check(const std::vector<unsigned char>& in)
{
    return ValidatedCue(in.data(), in.size());
}

TEST(CueValidator, PlayableCuesBecomePlain16BitPcmOfWholeFrames)
{
    struct Case {
        int channels, bits, frames, cut, format, outChannels, outFrames;
    };
    const Case cases[] = {
        {1, 16, 1000, 0, 1, 1, 1000},
        {1, 8, 500, 0, 1, 1, 500},
        {2, 16, 1000, 0, 1, 2, 1000},
        {2, 16, 1000, 3, 1, 2, 999}, // cut part-way through a frame
        {2, 24, 300, 5, 1, 2, 299},
        {4, 16, 100, 1, 1, 2, 99},
        {6, 16, 100, 7, 1, 2, 99},
        {6, 16, 100, 13, 1, 2, 98},
        {2, 32, 100, 0, 3, 2, 100}, // float
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.bits << " bits, cut " << c.cut);
        const auto out = Check(WavBytes(c.channels, c.bits, c.frames, 22050, c.cut, c.format));
        ASSERT_TRUE(out.has_value());
        const TWav wav = Parse(*out);
        EXPECT_EQ(wav.Channels, c.outChannels);
        EXPECT_EQ(wav.Rate, 22050);
        EXPECT_EQ(wav.Bits, 16);
        EXPECT_EQ(wav.DataBytes, static_cast<uint32_t>(c.outFrames * c.outChannels * 2));
        EXPECT_EQ(wav.Size, 44 + wav.DataBytes);
        // What comes out is itself accepted unchanged.
        EXPECT_EQ(Check(*out), out);
    }
}

TEST(CueValidator, SixteenBitSamplesPassUnchanged)
{
    const auto in = WavBytes(2, 16, 50);
    const auto out = Check(in);
    ASSERT_TRUE(out.has_value());
    EXPECT_TRUE(std::equal(in.begin() + 44, in.end(), out->begin() + 44, out->end()));
}

TEST(CueValidator, UnplayableBytesAreRefused)
{
    std::vector<unsigned char> garbage(4096);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<unsigned char>(i * 7919 >> 3);
    std::vector<unsigned char> aiffLike = WavBytes(1, 16, 100);
    std::vector<unsigned char> headerCut = WavBytes(1, 16, 10);
    headerCut.resize(30);
    std::copy_n("FORM", 4, aiffLike.begin());

    const std::pair<const char*, std::vector<unsigned char>> refused[] = {
        {"empty", {}},
        {"garbage", garbage},
        {"header only", WavBytes(1, 16, 0)},
        {"less than one frame", WavBytes(2, 16, 1, 8000, 1)},
        {"header cut short", headerCut},
        {"absurd rate", WavBytes(1, 16, 100, 7)},
        {"absurd rate, high", WavBytes(1, 16, 100, 4000000)},
        {"too many channels", WavBytes(200, 16, 10)},
        {"not a WAV", aiffLike},
        {"MPEG in a WAV", WavBytes(1, 16, 100, 8000, 0, 0x55)},
        {"too long", WavBytes(1, 8, 1000 * (quindle::kMaxCueSeconds + 1), 1000)},
    };
    for (const auto& [what, bytes] : refused)
        EXPECT_FALSE(Check(bytes).has_value()) << what;
}

TEST(CueValidator, FloatSamplesAreClampedAndNaNIsSilence)
{
    std::vector<unsigned char> in = WavBytes(1, 32, 3, 8000, 0, 3);
    const float samples[] = {2.5f, -7.0f, std::numeric_limits<float>::quiet_NaN()};
    std::memcpy(in.data() + 44, samples, sizeof samples);
    const auto out = Check(in);
    ASSERT_TRUE(out.has_value());
    ASSERT_EQ(out->size(), 44u + 6);
    EXPECT_EQ(static_cast<int16_t>(LeField(*out, 44, 2)), 32767);
    EXPECT_EQ(static_cast<int16_t>(LeField(*out, 46, 2)), -32768);
    EXPECT_EQ(static_cast<int16_t>(LeField(*out, 48, 2)), 0);
}

class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/quindle-regular-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        FDir = tmpl;
    }
    void TearDown() override { std::system(("rm -rf '" + FDir + "'").c_str()); }
    std::string Path(const char* name) const { return FDir + "/" + name; }
    void Write(const char* name, const std::string& text) const
    {
        FILE* f = std::fopen(Path(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    std::string FDir;
};

TEST_F(RegularFileTest, ReadsOnlyRegularFilesWithinTheCap)
{
    Write("small", "hello");
    const auto small = quindle::ReadRegularFile(Path("small"), 5);
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ(std::string(small->begin(), small->end()), "hello");
    EXPECT_FALSE(quindle::ReadRegularFile(Path("small"), 4).has_value());
    Write("empty", "");
    EXPECT_EQ(quindle::ReadRegularFile(Path("empty"), 4), std::vector<unsigned char>{});

    ASSERT_EQ(symlink(Path("small").c_str(), Path("link").c_str()), 0);
    EXPECT_TRUE(quindle::ReadRegularFile(Path("link"), 5).has_value());

    EXPECT_FALSE(quindle::ReadRegularFile(Path("missing"), 100).has_value());
    EXPECT_FALSE(quindle::ReadRegularFile(FDir, 100).has_value());
    EXPECT_FALSE(quindle::ReadRegularFile("/dev/zero", 100).has_value());
    EXPECT_FALSE(quindle::ReadRegularFile("", 100).has_value());
}

TEST_F(RegularFileTest, NeitherAPipeNorAHugeSparseFileHoldsItUp)
{
    // A pipe with no writer would block a plain open() for ever; the sparse
    // file would take minutes to read.
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    const int fd = open(Path("huge").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 8LL << 30), 0);
    close(fd);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(quindle::ReadRegularFile(Path("pipe"), 1 << 20).has_value());
    EXPECT_FALSE(quindle::ReadRegularFile(Path("huge"), 1 << 20).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace

// What the sound process is handed is a copy in an anonymous file, read from
// its start wherever its offset stands; it plays the checked copy or nothing.
TEST(CheckedCueCopy, PlaysTheCheckedBytesOfAnOpenFileOrNothing)
{
    auto copyOf = [](const std::vector<unsigned char>& bytes) -> std::optional<std::vector<unsigned char>> {
        const quindle::TDescriptor in = quindle::MemoryFile(bytes);  // its offset is at the end
        EXPECT_TRUE(in);
        const quindle::TDescriptor out = quindle::CheckedCueCopy(in.Get());
        if (!out)
            return std::nullopt;
        return quindle::ReadOpenFile(out.Get(), std::numeric_limits<std::size_t>::max());
    };
    const std::vector<unsigned char> six = WavBytes(6, 16, 800, 8000, 5);
    EXPECT_EQ(copyOf(six), ValidatedCue(six.data(), six.size()));
    EXPECT_EQ(copyOf(std::vector<unsigned char>(3000, 0xa5)), std::nullopt);
    EXPECT_EQ(copyOf({}), std::nullopt);

    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const quindle::TDescriptor reader(pipeEnds[0]), writer(pipeEnds[1]);
    EXPECT_FALSE(quindle::CheckedCueCopy(reader.Get()));  // never waits for a writer
}
