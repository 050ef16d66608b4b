// Stands in for the sound process in tests: checks each cue as that does,
// and logs what it would play to the file named by QUINDLE_FAKE_CUES_LOG,
// one line each: "start <pid>" when it starts, "alert", or
// "play <file> <channels> <bytes>" with the name and the checked WAV.
// With QUINDLE_FAKE_CUES_HANG set it never reads, like a process stuck in
// a frozen sound server.
#include "sound/CueProtocol.h"
#include "sound/CueValidator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
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

void LogPlay(int fd, const std::string& name)
{
    unsigned char header[44] = {};
    struct stat st {};
    char line[256];
    if (fd < 0 || fstat(fd, &st) != 0 || pread(fd, header, sizeof header, 0) != sizeof header
        || std::memcmp(header, "RIFF", 4) != 0) {
        Log("play bad");
        return;
    }
    // The name's last part: the cue's own file name.
    const std::string file = name.substr(name.rfind('/') + 1);
    std::snprintf(line, sizeof line, "play %s %d %lld", file.c_str(), header[22] | header[23] << 8,
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
    quindle::TDescriptor file;
    std::string name;
    while (quindle::cue::ReceiveRequest(STDIN_FILENO, kind, file, name)) {
        const quindle::TDescriptor checked =
            kind == quindle::cue::kPlay && file ? quindle::CheckedCueCopy(file.Get()) : quindle::TDescriptor();
        if (!checked)
            Log("alert");
        else
            LogPlay(checked.Get(), name);
    }
}
