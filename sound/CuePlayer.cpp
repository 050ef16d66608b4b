#include "sound/CuePlayer.h"

#include "sound/CueProtocol.h"
#include "files/HelperFiles.h"
#include "files/LocalPath.h"
#include "files/RegularFile.h"
#include "sound/SoundProcess.h"

#include <QFile>
#include <QFileInfo>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>

namespace quindle {

namespace {

QString& HelperPathOverride()
{
    static QString path;
    return path;
}

std::string FindHelper()
{
    for (const QString& file : HelperFileCandidates(QLatin1String(cue::kHelperFile), THelperDir::Programs, HelperPathOverride())) {
        const QFileInfo info(file);
        if (info.isFile() && info.isExecutable())
            return QFile::encodeName(info.absoluteFilePath()).toStdString();
    }
    return {};
}

struct TRequest {
    bool Alert = false;
    std::string Path; // in the file system's encoding
};

// Opens each cue on a thread of its own, so a slow file system never holds
// up the game, and hands the sound process the open file, which it reads and
// checks: a file made to crash the WAV reader cannot end the game. The
// thread waits on nothing but its queue.
class TSoundServerBackend : public ICueBackend {
public:
    ~TSoundServerBackend() override
    {
        {
            std::lock_guard lock(FLock);
            FQuit = true;
        }
        FChanged.notify_all();
        if (FThread.joinable())
            FThread.join();
    }

    void Play(const QString& file) override { Post(TRequest{false, PathInCurrentDir(file)}); }

    void Alert() override { Post(TRequest{true, {}}); }

private:
    void Post(TRequest request)
    {
        {
            std::lock_guard lock(FLock);
            FPending = std::move(request); // only the latest request counts
        }
        FChanged.notify_all();
        if (!FThread.joinable())
            FThread = std::thread(&TSoundServerBackend::Run, this, FindHelper());
    }

    void Run(std::string helper)
    {
        TSoundProcess sound(std::move(helper));
        for (;;) {
            TRequest request;
            {
                std::unique_lock lock(FLock);
                FChanged.wait(lock, [&] { return FQuit || FPending; });
                if (FQuit)
                    return;
                request = std::move(*FPending);
                FPending.reset();
            }
            if (request.Alert) {
                sound.Alert();
                continue;
            }
            const TDescriptor file = OpenRegularFile(request.Path);
            if (!file) {
                sound.Alert();
                continue;
            }
            // Named for the desktop in UTF-8, whatever the folder's bytes.
            sound.Play(file.Get(), QFile::decodeName(QByteArray::fromStdString(request.Path)).toStdString());
        }
    }

    std::mutex FLock;
    std::condition_variable FChanged;
    std::optional<TRequest> FPending;
    bool FQuit = false;
    std::thread FThread;
};

// What plays once the player has been shut down.
class TSilentBackend : public ICueBackend {
public:
    void Play(const QString&) override {}
    void Alert() override {}
};

} // namespace

std::unique_ptr<ICueBackend> MakeSoundServerBackend()
{
    return std::make_unique<TSoundServerBackend>();
}

void SetCueHelperPath(const QString& path) { HelperPathOverride() = path; }

TCuePlayer& TCuePlayer::Instance()
{
    static TCuePlayer player;
    return player;
}

TCuePlayer::TCuePlayer() : FBackend(MakeSoundServerBackend()) {}

TCuePlayer::~TCuePlayer() = default;

void TCuePlayer::Play(const QString& file) { FBackend->Play(file); }

void TCuePlayer::Alert() { FBackend->Alert(); }

std::unique_ptr<ICueBackend> TCuePlayer::SetBackend(std::unique_ptr<ICueBackend> backend)
{
    std::unique_ptr<ICueBackend> previous = std::move(FBackend);
    FBackend = backend ? std::move(backend) : MakeSoundServerBackend();
    return previous;
}

void TCuePlayer::Shutdown() { FBackend = std::make_unique<TSilentBackend>(); }

TCuePlayerScope::~TCuePlayerScope() { TCuePlayer::Instance().Shutdown(); }

} // namespace quindle
