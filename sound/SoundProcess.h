#pragma once

// The separate process the cues are played in.

#include "files/Descriptor.h"

#include <string>
#include <sys/types.h>

namespace quindle {

// The game's sound process (quindle_cues), started on the first request.
// Nothing here ever waits on it: a process stuck in a frozen sound server,
// or one that died, is killed and replaced at the next request.
class TSoundProcess {
public:
    explicit TSoundProcess(std::string helper) : FHelper(std::move(helper)) {}
    ~TSoundProcess() { Stop(); }

    // Plays the open file `fd` (the process gets its own descriptor) under
    // `name`, in UTF-8.
    void Play(int fd, const std::string& name);
    void Alert();

    // The running process, or -1.
    pid_t Pid() const { return FPid; }

    TSoundProcess(const TSoundProcess&) = delete;
    TSoundProcess& operator=(const TSoundProcess&) = delete;

private:
    void Send(char kind, int fd, const std::string& name);
    bool Start();
    void Stop();

    std::string FHelper;
    pid_t FPid = -1;
    TDescriptor FSocket;
};

} // namespace quindle
