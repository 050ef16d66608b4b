// Test main for everything that needs a QApplication: the offscreen
// platform, the game's look (style, palette, fonts) and its pictures.
#include "clip/ClipLoader.h"
#include "sound/CuePlayer.h"
#include "paint/Look.h"
#include "paint/PooledThreads.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// A dialog answer left waiting is a failure of the test that set it up, not
// a surprise answer in the next one.
class UnansweredModals : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { quindle::test::FailUnansweredModals(); }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        // As in the game: no sound thread or process outlives the test.
        quindle::TCuePlayerScope cues;
        quindle::InitLook();
        quindle::SetClipModulePath(QStringLiteral(QUINDLE_CLIP_MODULE));
        quindle::SetCueHelperPath(QStringLiteral(QUINDLE_CUE_HELPER));
        ::testing::InitGoogleTest(&argc, argv);
        ::testing::UnitTest::GetInstance()->listeners().Append(new UnansweredModals);
        result = RUN_ALL_TESTS();
    }
    // As in the game, so the leak check at exit finds Qt's threads gone.
    quindle::AwaitPooledThreadsEnded();
    return result;
}
