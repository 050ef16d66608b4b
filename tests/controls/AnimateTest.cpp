#include "controls/Animate.h"
#include "controls/ErrorBox.h"
#include "tests/clip/ClipFixtures.h"
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using quindle::EError;
using quindle::TAnimate;
using namespace quindle::test;

namespace {

class AnimateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.Valid());
        UseBuiltClipModule();
        FParent.resize(200, 120);
        FAnimate = new TAnimate(&FParent);
        FAnimate->setGeometry(50, 30, 60, 39);
        FAnimate->setStopFrame(13);
        FAnimate->setFileName(QStringLiteral("clip.avi"));
    }
    void Write(const std::vector<uint8_t>& bytes, const QString& name = QStringLiteral("clip.avi"))
    {
        ASSERT_TRUE(quindle::gen::WriteBytes(FDir.FilePath(name).toStdString(), bytes));
    }

    void ShowParent()
    {
        FParent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&FParent));
    }

    // Lets the animation's own timer run until `done` holds.
    static bool WaitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 5000)
                return false;
            QTest::qWait(2);
        }
        return true;
    }

    void ExpectCannotOpen()
    {
        try {
            FAnimate->setActive(true);
            ADD_FAILURE() << "no error";
        } catch (const EError& e) {
            EXPECT_STREQ(e.what(), "Cannot open AVI");
        }
        EXPECT_FALSE(FAnimate->Active());
    }

    TempCurrentDir FDir;
    QWidget FParent;
    TAnimate* FAnimate = nullptr;
};

TEST_F(AnimateTest, OpensWhenFirstShownAndCentresOnItsPlace)
{
    Write(TestClip(10, 20, 16, 8));
    EXPECT_FALSE(FAnimate->Open()); // not before the window appears
    ShowParent();
    ASSERT_TRUE(FAnimate->Open());
    EXPECT_EQ(FAnimate->FrameCount(), 10);
    EXPECT_EQ(FAnimate->FrameWidth(), 20);
    EXPECT_EQ(FAnimate->FrameHeight(), 16);
    EXPECT_DOUBLE_EQ(FAnimate->FrameRate(), 8.0);
    EXPECT_EQ(FAnimate->FrameInterval(), 125);
    EXPECT_EQ(FAnimate->StopFrame(), 10);
    EXPECT_EQ(FAnimate->geometry(), QRect(50 + 20, 30 + 11, 20, 16));
    EXPECT_EQ(FAnimate->CurrentFrame(), 1);
    EXPECT_FALSE(FAnimate->Active());
}

TEST_F(AnimateTest, WithoutCenterKeepsTheTopLeftCorner)
{
    Write(TestClip(2, 20, 16, 8));
    FAnimate->setCenter(false);
    ShowParent();
    EXPECT_EQ(FAnimate->geometry(), QRect(50, 30, 20, 16));
}

TEST_F(AnimateTest, LoopsUntilStoppedAndIgnoresAStartWhilePlaying)
{
    Write(TestClip(3, 8, 8, 100));
    ShowParent();
    FAnimate->setActive(true);
    EXPECT_TRUE(FAnimate->Active());
    EXPECT_EQ(FAnimate->CurrentFrame(), 1);

    // Were this start taken, the player would stay on frame 2 for good.
    FAnimate->Play(2, 2, 0);
    ASSERT_TRUE(WaitFor([&] { return FAnimate->CurrentFrame() == 3; }));
    ASSERT_TRUE(WaitFor([&] { return FAnimate->CurrentFrame() == 1; }));
    ASSERT_TRUE(WaitFor([&] { return FAnimate->CurrentFrame() == 2; }));

    FAnimate->Stop();
    EXPECT_FALSE(FAnimate->Active());
    EXPECT_EQ(FAnimate->CurrentFrame(), 1);
    QTest::qWait(50);
    EXPECT_EQ(FAnimate->CurrentFrame(), 1);

    // The next start begins again from the first frame.
    FAnimate->setActive(true);
    EXPECT_EQ(FAnimate->CurrentFrame(), 1);
    ASSERT_TRUE(WaitFor([&] { return FAnimate->CurrentFrame() == 2; }));
}

TEST_F(AnimateTest, ACountedPlayEndsOnItsLastFrame)
{
    Write(TestClip(4, 8, 8, 100));
    ShowParent();
    FAnimate->Play(2, 3, 2);
    ASSERT_TRUE(WaitFor([&] { return !FAnimate->Active(); }));
    EXPECT_EQ(FAnimate->CurrentFrame(), 3);
}

TEST_F(AnimateTest, UnreadableClipsFailAtEveryStartUntilTheFileIsFixed)
{
    const std::vector<uint8_t> good = TestClip(4, 16, 12, 10);
    std::vector<uint8_t> garbage(4096);
    QRandomGenerator random(7);
    for (uint8_t& b : garbage)
        b = static_cast<uint8_t>(random.bounded(256));
    const char index[] = "idx1", chunk[] = "00db";
    const auto indexAt = std::search(good.begin(), good.end(), index, index + 4);
    const auto lastFrame = std::find_end(good.begin(), indexAt, chunk, chunk + 4);
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        std::vector<uint8_t>(good.begin(), good.begin() + good.size() * 2 / 3),
        std::vector<uint8_t>(good.begin(), good.begin() + 200),
        std::vector<uint8_t>(good.begin(), lastFrame), // whole frames, one missing
        garbage,
        WithFrameSize(good, 100000, 100000),
        WithFrameSize(good, 0, 12),
    };

    ShowParent(); // no clip yet: opening at the first showing fails quietly
    EXPECT_FALSE(FAnimate->Open());
    ExpectCannotOpen();
    ExpectCannotOpen();
    for (size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(i);
        Write(bad[i]);
        ExpectCannotOpen();
        ExpectCannotOpen();
        EXPECT_FALSE(FAnimate->Open());
        EXPECT_EQ(FAnimate->FrameCount(), 0);
    }
    // Readable at last, and longer than the stop frame stored before: the
    // first start plays it to its own last frame.
    Write(TestClip(20, 16, 12, 50));
    FAnimate->setActive(true);
    EXPECT_TRUE(FAnimate->Active());
    EXPECT_EQ(FAnimate->FrameCount(), 20);
    EXPECT_EQ(FAnimate->StopFrame(), 20);
    EXPECT_TRUE(WaitFor([this] { return FAnimate->CurrentFrame() == 20; }));
}

TEST_F(AnimateTest, TheBackgroundColourIsSeeThrough)
{
    Write(TestClip(2, 20, 16, 8));
    QPalette pal = FParent.palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    FParent.setPalette(pal);
    FParent.setAutoFillBackground(true);
    ShowParent();
    ASSERT_TRUE(FAnimate->Open());

    QImage shown = GrabOnParent(FAnimate);
    ASSERT_EQ(shown.size(), QSize(20, 16));
    EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(shown.pixel(19, 15)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(shown.pixel(10, 8)), FrameColour(1));

    FAnimate->setTransparent(false);
    shown = GrabOnParent(FAnimate);
    EXPECT_EQ(QColor(shown.pixel(0, 0)), kClipBackground);
    EXPECT_EQ(QColor(shown.pixel(10, 8)), FrameColour(1));
}

TEST_F(AnimateTest, ShowsTheFramePlaying)
{
    Write(TestClip(3, 20, 16, 100));
    ShowParent();
    FAnimate->setActive(true);
    ASSERT_TRUE(WaitFor([&] { return FAnimate->CurrentFrame() == 3; }));
    FAnimate->Stop();
    EXPECT_EQ(QColor(GrabOnParent(FAnimate).pixel(10, 8)), FrameColour(1));
    FAnimate->Play(2, 2, 1);
    EXPECT_EQ(QColor(GrabOnParent(FAnimate).pixel(10, 8)), FrameColour(2));
}

TEST_F(AnimateTest, TheGameClipOpens)
{
    ASSERT_TRUE(FDir.CopyAsset(QStringLiteral("cool.avi")));
    FAnimate->setFileName(QStringLiteral("cool.avi"));
    ShowParent();
    ASSERT_TRUE(FAnimate->Open());
    EXPECT_GE(FAnimate->FrameCount(), 8);
    EXPECT_LE(FAnimate->FrameCount(), 60);
    EXPECT_LE(FAnimate->FrameWidth(), 60);
    EXPECT_LE(FAnimate->FrameHeight(), 48);
}

} // namespace
