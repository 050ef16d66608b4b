#include "platform/CuePlayer.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using quindle::ICueBackend;
using quindle::TCuePlayer;

namespace {

class TRecorder : public ICueBackend {
public:
    explicit TRecorder(QStringList* log) : FLog(log) {}
    void Play(const QString& file) override { FLog->append(file); }
    void Alert() override { FLog->append(QStringLiteral("<alert>")); }

private:
    QStringList* FLog;
};

TEST(CuePlayer, TheBackendGetsTheCuesInOrder)
{
    QStringList log;
    auto real = TCuePlayer::Instance().SetBackend(std::make_unique<TRecorder>(&log));
    TCuePlayer::Instance().Play(QStringLiteral("left.wav"));
    TCuePlayer::Instance().Play(QStringLiteral("ok.wav"));
    TCuePlayer::Instance().Alert();
    TCuePlayer::Instance().Play(QStringLiteral("uhoh.wav"));
    EXPECT_EQ(log, QStringList({"left.wav", "ok.wav", "<alert>", "uhoh.wav"}));

    // nullptr puts a real backend back and hands out the recorder.
    auto recorder = TCuePlayer::Instance().SetBackend(nullptr);
    EXPECT_NE(dynamic_cast<TRecorder*>(recorder.get()), nullptr);
    TCuePlayer::Instance().Play(QStringLiteral("ok.wav"));
    EXPECT_EQ(log.size(), 4);
}

// With no sound server the game plays silently: no cue waits for the server
// or fails, and nothing holds up the exit.
TEST(CuePlayer, WithoutASoundServerCuesReturnAtOnce)
{
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    QTemporaryDir dir;
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile copy(QStringLiteral(QUINDLE_ASSETS_DIR "/ok.wav"));
    ASSERT_TRUE(copy.copy(dir.filePath(QStringLiteral("ok.wav"))));

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
    QDir::setCurrent(oldDir);
}

} // namespace
