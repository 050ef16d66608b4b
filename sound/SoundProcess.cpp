#include "sound/SoundProcess.h"

#include "sound/CueProtocol.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quindle {

namespace {

// Little room for requests a stuck process has not taken: a full socket
// means it is stuck, and queued copies would hold memory.
constexpr int kSendBuffer = 16 * 1024;

} // namespace

void TSoundProcess::Play(int fd, const std::string& name) { Send(cue::kPlay, fd, name); }

void TSoundProcess::Alert() { Send(cue::kAlert, -1, {}); }

void TSoundProcess::Send(char kind, int fd, const std::string& name)
{
    if (FPid < 0 && !Start())
        return;
    if (cue::SendRequest(FSocket.Get(), kind, fd, name))
        return;
    // Dead or not taking requests: a fresh process gets this one.
    Stop();
    if (Start())
        cue::SendRequest(FSocket.Get(), kind, fd, name);
}

bool TSoundProcess::Start()
{
    if (FHelper.empty())
        return false;
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0)
        return false;
    TDescriptor ours(pair[0]);
    const TDescriptor theirs(pair[1]);
    setsockopt(ours.Get(), SOL_SOCKET, SO_SNDBUF, &kSendBuffer, sizeof kSendBuffer);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, theirs.Get(), STDIN_FILENO);
    posix_spawnattr_init(&attr);
    // Not the game's blocked or ignored signals: SIGTERM must end it.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    char* argv[] = {const_cast<char*>(cue::kHelperFile), nullptr};
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, FHelper.c_str(), &actions, &attr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0)
        return false;
    FPid = pid;
    FSocket = std::move(ours);
    return true;
}

void TSoundProcess::Stop()
{
    FSocket.Reset();
    if (FPid < 0)
        return;
    // Killed, not asked: a process stuck in the sound server would not answer.
    kill(FPid, SIGKILL);
    while (waitpid(FPid, nullptr, 0) < 0 && errno == EINTR) {
    }
    FPid = -1;
}

} // namespace quindle
