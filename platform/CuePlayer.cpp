#include "platform/CuePlayer.h"

#include <QDir>
#include <QFile>

#include <canberra.h>
#include <dlfcn.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>

namespace quindle {

namespace {

// Every cue plays under this id, so cancelling it cuts off whatever plays.
constexpr uint32_t kCueId = 1;

struct TRequest {
    bool Alert = false;
    std::string Path; // absolute, in the file system's encoding
};

// What the GUI thread and the sound thread share. The thread holds its own
// reference, so it may outlive the backend when the server hangs at exit.
struct TQueue {
    std::mutex Lock;
    std::condition_variable Changed;
    std::optional<TRequest> Pending; // only the latest request counts
    bool Quit = false;
    bool Finished = false;
};

bool IsFileError(int rc)
{
    return rc == CA_ERROR_NOTFOUND || rc == CA_ERROR_CORRUPT || rc == CA_ERROR_NOTSUPPORTED
        || rc == CA_ERROR_IO || rc == CA_ERROR_ACCESS || rc == CA_ERROR_TOOBIG
        || rc == CA_ERROR_INVALID;
}

// A lost or absent server: drop the context and try again with the next cue.
bool IsServerError(int rc)
{
    return rc == CA_ERROR_NOTAVAILABLE || rc == CA_ERROR_DISCONNECTED || rc == CA_ERROR_STATE
        || rc == CA_ERROR_NODRIVER || rc == CA_ERROR_FORKED;
}

// libcanberra and the codecs it pulls in are opened with the first cue, on
// the sound thread, instead of being mapped and linked before the window.
struct TCanberra {
    decltype(&ca_context_create) Create = nullptr;
    decltype(&ca_context_destroy) Destroy = nullptr;
    decltype(&ca_context_set_driver) SetDriver = nullptr;
    decltype(&ca_context_change_props) ChangeProps = nullptr;
    decltype(&ca_context_open) Open = nullptr;
    decltype(&ca_context_play) Play = nullptr;
    decltype(&ca_context_cancel) Cancel = nullptr;

    TCanberra()
    {
        void* lib = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib)
            return;
        auto bind = [lib](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(lib, name));
        };
        bind(Create, "ca_context_create");
        bind(Destroy, "ca_context_destroy");
        bind(SetDriver, "ca_context_set_driver");
        bind(ChangeProps, "ca_context_change_props");
        bind(Open, "ca_context_open");
        bind(Play, "ca_context_play");
        bind(Cancel, "ca_context_cancel");
        if (!(Create && Destroy && SetDriver && ChangeProps && Open && Play && Cancel))
            Create = nullptr;
    }
};

const TCanberra& Canberra()
{
    static const TCanberra lib;
    return lib;
}

ca_context* Connect()
{
    const TCanberra& ca = Canberra();
    ca_context* ctx = nullptr;
    if (!ca.Create || ca.Create(&ctx) < 0)
        return nullptr;
    ca.SetDriver(ctx, "pulse");
    ca.ChangeProps(ctx, CA_PROP_APPLICATION_NAME, "Quindle", CA_PROP_APPLICATION_ID, "quindle", nullptr);
    if (ca.Open(ctx) < 0) {
        ca.Destroy(ctx);
        return nullptr;
    }
    return ctx;
}

int PlayBell(ca_context* ctx)
{
    return Canberra().Play(ctx, kCueId, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           "Alert", nullptr);
}

int PlayRequest(ca_context* ctx, const TRequest& request)
{
    Canberra().Cancel(ctx, kCueId);
    if (request.Alert)
        return PlayBell(ctx);
    const int rc = Canberra().Play(ctx, kCueId, CA_PROP_MEDIA_FILENAME, request.Path.c_str(),
                                   CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
    if (IsFileError(rc))
        return PlayBell(ctx);
    return rc;
}

void SoundThread(std::shared_ptr<TQueue> queue)
{
    ca_context* ctx = nullptr;
    for (;;) {
        TRequest request;
        {
            std::unique_lock lock(queue->Lock);
            queue->Changed.wait(lock, [&] { return queue->Quit || queue->Pending; });
            if (queue->Quit)
                break;
            request = std::move(*queue->Pending);
            queue->Pending.reset();
        }
        if (!ctx)
            ctx = Connect();
        if (!ctx)
            continue; // no server: the game plays silently
        if (IsServerError(PlayRequest(ctx, request))) {
            Canberra().Destroy(ctx);
            ctx = nullptr;
        }
    }
    if (ctx)
        Canberra().Destroy(ctx);
    std::lock_guard lock(queue->Lock);
    queue->Finished = true;
    queue->Changed.notify_all();
}

// Plays through the desktop's sound server on a thread of its own, which
// starts (and connects) with the first cue.
class TSoundServerBackend : public ICueBackend {
public:
    ~TSoundServerBackend() override
    {
        if (!FThread.joinable())
            return;
        std::unique_lock lock(FQueue->Lock);
        FQueue->Quit = true;
        FQueue->Changed.notify_all();
        // A server that stops answering must not hold up the exit.
        const bool finished = FQueue->Changed.wait_for(lock, std::chrono::milliseconds(500),
                                                       [&] { return FQueue->Finished; });
        lock.unlock();
        if (finished)
            FThread.join();
        else
            FThread.detach();
    }

    void Play(const QString& file) override
    {
        Post(TRequest{false, QFile::encodeName(QDir::current().absoluteFilePath(file)).toStdString()});
    }

    void Alert() override { Post(TRequest{true, {}}); }

private:
    void Post(TRequest request)
    {
        {
            std::lock_guard lock(FQueue->Lock);
            FQueue->Pending = std::move(request);
        }
        FQueue->Changed.notify_all();
        if (!FThread.joinable())
            FThread = std::thread(SoundThread, FQueue);
    }

    std::shared_ptr<TQueue> FQueue = std::make_shared<TQueue>();
    std::thread FThread;
};

} // namespace

std::unique_ptr<ICueBackend> MakeSoundServerBackend()
{
    return std::make_unique<TSoundServerBackend>();
}

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

} // namespace quindle
