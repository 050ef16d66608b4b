#include "sound/CuePlayer.h"

#include "tests/support/RecordingCues.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// A sound server that takes the connection and never answers: what a hung
// server looks like to the game.
class TSilentServer {
public:
    explicit TSilentServer(const QString& path)
    {
        FListen = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(addr.sun_path, name.constData(), std::min<size_t>(name.size(), sizeof addr.sun_path - 1));
        FReady = FListen >= 0 && bind(FListen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0
            && listen(FListen, 16) == 0;
    }
    ~TSilentServer()
    {
        // Hanging up lets a client still waiting for an answer give up.
        for (int fd : FClients)
            close(fd);
        if (FListen >= 0)
            close(FListen);
    }
    bool Ready() const { return FReady; }
    // Waits up to `ms` for a client to connect and keeps its connection open.
    bool Accept(int ms)
    {
        pollfd p{FListen, POLLIN, 0};
        if (poll(&p, 1, ms) != 1)
            return false;
        const int fd = accept4(FListen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return false;
        FClients.push_back(fd);
        return true;
    }

private:
    int FListen = -1;
    bool FReady = false;
    std::vector<int> FClients;
};

// A server that never answers must not hold up a cue or the exit: every
// call returns while the server is still silent, or this test hangs until
// CTest's limit.
TEST(CuePlayer, WithoutASoundServerCuesReturnAtOnce)
{
    quindle::test::TempCurrentDir dir;
    ASSERT_TRUE(dir.CopyAsset(QStringLiteral("ok.wav")));
    TSilentServer server(dir.FilePath(QStringLiteral("native")));
    ASSERT_TRUE(server.Ready());
    setenv("PULSE_SERVER", QFile::encodeName("unix:" + dir.FilePath(QStringLiteral("native"))).constData(), 1);

    {
        auto backend = quindle::MakeSoundServerBackend();
        for (int i = 0; i < 20; ++i) {
            backend->Play(QStringLiteral("missing.wav"));
            backend->Play(QStringLiteral("ok.wav"));
            backend->Alert();
        }
        // The cues did go to the server, so nothing above waited for it.
        EXPECT_TRUE(server.Accept(30000));
    }

    // With no server at all, the player's own backend is left playing for
    // the exit to stop.
    setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    TCuePlayer::Instance().SetBackend(nullptr);
    TCuePlayer::Instance().Play(QStringLiteral("ok.wav"));
    TCuePlayer::Instance().Play(QStringLiteral("missing.wav"));
}

} // namespace
