#include "platform/CuePlayer.h"

#include "tests/support/RecordingCues.h"
#include "tests/support/TestSupport.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>

using quindle::TCuePlayer;

namespace {

TEST(CuePlayer, TheBackendGetsTheCuesInOrder)
{
    quindle::test::RecordingCues cues;
    TCuePlayer::Instance().Play(QStringLiteral("left.wav"));
    TCuePlayer::Instance().Play(QStringLiteral("ok.wav"));
    TCuePlayer::Instance().Alert();
    TCuePlayer::Instance().Play(QStringLiteral("uhoh.wav"));
    EXPECT_EQ(cues.Played(), QStringList({"left.wav", "ok.wav", "<alert>", "uhoh.wav"}));

    // nullptr puts a real backend back and hands out the one it replaces.
    auto recorder = TCuePlayer::Instance().SetBackend(nullptr);
    TCuePlayer::Instance().Play(QStringLiteral("ok.wav"));
    EXPECT_EQ(cues.Played().size(), 4);
    recorder->Alert();
    EXPECT_EQ(cues.Played().size(), 5);
    TCuePlayer::Instance().SetBackend(std::move(recorder));
}

// With no sound server the game plays silently: no cue waits for the server
// or fails, and nothing holds up the exit.
TEST(CuePlayer, WithoutASoundServerCuesReturnAtOnce)
{
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    quindle::test::TempCurrentDir dir;
    ASSERT_TRUE(dir.CopyAsset(QStringLiteral("ok.wav")));

    // A cue that waited for the server would hang here until CTest's limit.
    {
        auto backend = quindle::MakeSoundServerBackend();
        for (int i = 0; i < 20; ++i) {
            backend->Play(QStringLiteral("missing.wav"));
            backend->Play(QStringLiteral("ok.wav"));
            backend->Alert();
        }
    }
    // The player's own backend is left playing for the exit to stop.
    TCuePlayer::Instance().SetBackend(nullptr);
    TCuePlayer::Instance().Play(QStringLiteral("ok.wav"));
    TCuePlayer::Instance().Play(QStringLiteral("missing.wav"));
}

} // namespace
