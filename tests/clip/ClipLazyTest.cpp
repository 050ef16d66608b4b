// FFmpeg must stay out of the process until the first clip is opened: it
// costs start-up time and memory the game only needs at a win.
#include "clip/ClipLoader.h"
#include "tests/clip/ClipFixtures.h"
#include "tests/support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

bool Mapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains(library);
}

TEST(ClipModule, FFmpegIsMappedOnlyFromTheFirstOpen)
{
    quindle::test::TempCurrentDir dir;
    const QString clip = dir.FilePath(QStringLiteral("clip.avi"));
    ASSERT_TRUE(quindle::gen::WriteBytes(clip.toStdString(), quindle::test::TestClip(2, 8, 8, 10)));
    quindle::test::UseBuiltClipModule();

    EXPECT_FALSE(quindle::ClipModuleLoaded());
    EXPECT_FALSE(Mapped("libavformat"));
    EXPECT_FALSE(Mapped("libavcodec"));

    const auto loaded = quindle::LoadClip(clip);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->FrameCount(), 2);
    EXPECT_TRUE(quindle::ClipModuleLoaded());
    EXPECT_TRUE(Mapped("libavformat"));
}

} // namespace
