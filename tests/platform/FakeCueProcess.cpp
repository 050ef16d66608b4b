// Stands in for the sound process in tests: logs each request to the file
// named by QUINDLE_FAKE_CUES_LOG, one line each: "start <pid>" when it
// starts, "alert", or "play <channels> <bytes>" with the WAV it was given.
// With QUINDLE_FAKE_CUES_HANG set it never reads, like a process stuck in
// a frozen sound server.
#include "platform/CueProtocol.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Log(const char* line)
{
    const char* path = std::getenv("QUINDLE_FAKE_CUES_LOG");
    if (!path)
        return;
    if (FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s\n", line);
        std::fclose(f);
    }
}

void LogPlay(int fd)
{
    unsigned char header[44] = {};
    struct stat st {};
    char line[96];
    if (fd < 0 || fstat(fd, &st) != 0 || pread(fd, header, sizeof header, 0) != sizeof header
        || std::memcmp(header, "RIFF", 4) != 0) {
        Log("play bad");
        return;
    }
    std::snprintf(line, sizeof line, "play %d %lld", header[22] | header[23] << 8,
                  static_cast<long long>(st.st_size));
    Log(line);
}

} // namespace

int main()
{
    char line[64];
    std::snprintf(line, sizeof line, "start %d", static_cast<int>(getpid()));
    Log(line);
    if (std::getenv("QUINDLE_FAKE_CUES_HANG"))
        for (;;)
            pause();
    char kind;
    int fd;
    while (quindle::cue::ReceiveRequest(STDIN_FILENO, kind, fd)) {
        if (kind == quindle::cue::kAlert)
            Log("alert");
        else
            LogPlay(fd);
        if (fd >= 0)
            close(fd);
    }
}
