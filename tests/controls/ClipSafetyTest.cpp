// Clip files that must not freeze the game or eat its memory, and a player
// that leaves clicks to what lies under it.
#include "controls/Animate.h"
#include "clip/ClipLoader.h"
#include "controls/ErrorBox.h"
#include "tests/clip/ClipFixtures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using quindle::LoadClip;
using quindle::TAnimate;
using namespace quindle::test;

namespace {

class ClipSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        ASSERT_EQ(getcwd(FOldDir, sizeof FOldDir), FOldDir);
        ASSERT_EQ(chdir(QFile::encodeName(FDir.path()).constData()), 0);
        UseBuiltClipModule();
    }
    void TearDown() override { ASSERT_EQ(chdir(FOldDir), 0); }

    static void Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        ASSERT_TRUE(quindle::gen::WriteBytes(name, bytes));
    }

    QTemporaryDir FDir;
    char FOldDir[4096] = {};
};

TEST_F(ClipSafetyTest, APipeOrAHugeSparseFileIsRefusedAtOnce)
{
    ASSERT_EQ(mkfifo("pipe.avi", 0600), 0);
    const std::vector<uint8_t> clip = TestClip(2, 8, 8, 10);
    Write("huge.avi", clip);
    ASSERT_EQ(truncate("huge.avi", 8LL << 30), 0); // the real clip, then a hole
    ASSERT_EQ(mkdir("folder.avi", 0700), 0);

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(LoadClip(std::string("pipe.avi")).has_value());
    EXPECT_FALSE(LoadClip(std::string("huge.avi")).has_value());
    EXPECT_FALSE(LoadClip(std::string("folder.avi")).has_value());
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(ClipSafetyTest, AClipOverTheMemoryBudgetIsRefused)
{
    // One 2048 × 2048 frame: 16 MB a copy, three copies with the file's 12 MB.
    Write("big.avi", TestClip(1, 2048, 2048, 10));
    EXPECT_FALSE(LoadClip(std::string("big.avi")).has_value());
    // Two 1024 × 1024 frames: 8 MB a copy, well within it.
    Write("fits.avi", TestClip(2, 1024, 1024, 10));
    const auto fits = LoadClip(std::string("fits.avi"));
    ASSERT_TRUE(fits.has_value());
    EXPECT_EQ(fits->FrameCount(), 2);
}

TEST_F(ClipSafetyTest, AFolderWhoseNameIsNotUtf8StillFindsItsClip)
{
    ASSERT_EQ(mkdir("clips-\xff\xfe", 0700), 0);
    ASSERT_EQ(chdir("clips-\xff\xfe"), 0);
    Write("clip.avi", TestClip(3, 8, 8, 10));
    QWidget parent;
    auto* animate = new TAnimate(&parent);
    animate->setFileName(QStringLiteral("clip.avi"));
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    EXPECT_TRUE(animate->Open());
    EXPECT_EQ(animate->FrameCount(), 3);
    // QTemporaryDir cannot name this folder to remove it.
    unlink("clip.avi");
    ASSERT_EQ(chdir(".."), 0);
    rmdir("clips-\xff\xfe");
}

TEST_F(ClipSafetyTest, TimersKeepTickingWhileAClipLoads)
{
    Write("clip.avi", TestClip(40, 256, 256, 10));
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    const auto clip = quindle::LoadClipKeepingTimers(std::string("clip.avi"));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->FrameCount(), 40);
    EXPECT_GT(ticks, 0);
}

TEST_F(ClipSafetyTest, ThePlayerLeavesClicksToWhatLiesUnderIt)
{
    // Sized to its clip, the player may cover a neighbour, as it does the
    // winner dialog's OK button with a tall clip.
    Write("clip.avi", TestClip(2, 120, 120, 10));
    QWidget parent;
    parent.resize(200, 200);
    auto* button = new QPushButton(QStringLiteral("OK"), &parent);
    button->setGeometry(40, 40, 60, 30);
    auto* animate = new TAnimate(&parent);
    animate->setGeometry(10, 10, 20, 20);
    animate->setCenter(false);
    animate->setFileName(QStringLiteral("clip.avi"));
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    ASSERT_TRUE(animate->geometry().contains(button->geometry()));
    animate->raise();

    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    EXPECT_EQ(parent.childAt(60, 50), button);
    // Through the window, so the application picks the widget under the pointer.
    QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(60, 50));
    EXPECT_EQ(clicks, 1);
}

} // namespace
