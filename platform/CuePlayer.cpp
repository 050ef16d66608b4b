#include "platform/CuePlayer.h"

#include "platform/CueProtocol.h"
#include "platform/CueValidator.h"
#include "platform/HelperFiles.h"
#include "platform/LocalPath.h"
#include "platform/RegularFile.h"
#include "platform/SoundProcess.h"

#include <QFile>
#include <QFileInfo>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <sys/mman.h>
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
    for (const QString& file : HelperFileCandidates(QLatin1String(cue::kHelperFile), HelperPathOverride())) {
        const QFileInfo info(file);
        if (info.isFile() && info.isExecutable())
            return QFile::encodeName(info.absoluteFilePath()).toStdString();
    }
    return {};
}

// An anonymous file holding `bytes`, or -1.
int MemoryFile(const std::vector<unsigned char>& bytes)
{
    const int fd = memfd_create("quindle-cue", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            close(fd);
            return -1;
        }
        done += static_cast<std::size_t>(n);
    }
    return fd;
}

struct TRequest {
    bool Alert = false;
    std::string Path; // in the file system's encoding
};

// Reads and checks each cue on a thread of its own, so a large or slow file
// never holds up the game, and hands the sound process only checked copies.
// The thread waits on nothing but its queue.
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
            const std::optional<std::vector<unsigned char>> copy = CheckedCue(request.Path);
            const int fd = copy ? MemoryFile(*copy) : -1;
            if (fd < 0) {
                sound.Alert();
                continue;
            }
            // Named for the desktop in UTF-8, whatever the folder's bytes.
            sound.Play(fd, QFile::decodeName(QByteArray::fromStdString(request.Path)).toStdString());
            close(fd);
        }
    }

    static std::optional<std::vector<unsigned char>> CheckedCue(const std::string& path)
    {
        const auto bytes = ReadRegularFile(path, kMaxCueFileBytes);
        if (!bytes)
            return std::nullopt;
        return ValidatedCue(bytes->data(), bytes->size());
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
