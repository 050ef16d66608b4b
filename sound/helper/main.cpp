// The sound process: checks each cue the game sends and plays it through
// libcanberra, or the alert when it is not a playable WAV. A new cue cuts
// off the one playing. Ends when the game closes its socket.
#include "sound/CueProtocol.h"
#include "sound/CueValidator.h"

#include <canberra.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// Every cue plays under this id, so cancelling it cuts off whatever plays.
constexpr uint32_t kCueId = 1;

bool IsFileError(int rc)
{
    return rc == CA_ERROR_NOTFOUND || rc == CA_ERROR_CORRUPT || rc == CA_ERROR_NOTSUPPORTED
        || rc == CA_ERROR_IO || rc == CA_ERROR_ACCESS || rc == CA_ERROR_TOOBIG
        || rc == CA_ERROR_INVALID || rc == CA_ERROR_SYSTEM;
}

// A lost or absent server: drop the context and try again with the next cue.
bool IsServerError(int rc)
{
    return rc == CA_ERROR_NOTAVAILABLE || rc == CA_ERROR_DISCONNECTED || rc == CA_ERROR_STATE
        || rc == CA_ERROR_NODRIVER || rc == CA_ERROR_FORKED;
}

ca_context* Connect()
{
    ca_context* ctx = nullptr;
    if (ca_context_create(&ctx) < 0)
        return nullptr;
    ca_context_set_driver(ctx, "pulse");
    ca_context_change_props(ctx, CA_PROP_APPLICATION_NAME, "Quindle", CA_PROP_APPLICATION_ID,
                            "quindle", nullptr);
    if (ca_context_open(ctx) < 0) {
        ca_context_destroy(ctx);
        return nullptr;
    }
    return ctx;
}

int PlayBell(ca_context* ctx)
{
    return ca_context_play(ctx, kCueId, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Alert",
                           nullptr);
}

int PlayFile(ca_context* ctx, int fd, const std::string& name)
{
    // The copy has no name of its own; libcanberra opens it through /proc,
    // and the sound is named after the cue's file.
    char path[64];
    std::snprintf(path, sizeof path, "/proc/self/fd/%d", fd);
    const int rc = ca_context_play(ctx, kCueId, CA_PROP_MEDIA_FILENAME, path, CA_PROP_MEDIA_NAME,
                                   name.empty() ? "cue" : name.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL,
                                   "never", nullptr);
    return IsFileError(rc) ? PlayBell(ctx) : rc;
}

} // namespace

int main()
{
    ca_context* ctx = nullptr;
    quindle::TDescriptor playing; // kept open while it may still play
    char kind;
    quindle::TDescriptor file;
    std::string name;
    while (quindle::cue::ReceiveRequest(STDIN_FILENO, kind, file, name)) {
        if (!ctx)
            ctx = Connect();
        if (!ctx) // no server: the game plays silently
            continue;
        if (kind == quindle::cue::kPlay && file)
            file = quindle::CheckedCueCopy(file.Get());
        ca_context_cancel(ctx, kCueId);
        int rc = CA_SUCCESS;
        if (kind == quindle::cue::kPlay && file)
            rc = PlayFile(ctx, file.Get(), name);
        else
            rc = PlayBell(ctx);
        playing = std::move(file);
        if (IsServerError(rc)) {
            ca_context_destroy(ctx);
            ctx = nullptr;
        }
    }
    // The game is gone or closing: end at once; the server drops our streams.
    _exit(0);
}
