#include "files/MemoryFile.h"

#include <cerrno>
#include <sys/mman.h>
#include <unistd.h>

namespace quindle {

TDescriptor MemoryFile(const std::vector<unsigned char>& bytes)
{
    TDescriptor file(memfd_create("quindle-cue", MFD_CLOEXEC));
    if (!file)
        return {};
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(file.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return {};
        done += static_cast<std::size_t>(n);
    }
    return file;
}

} // namespace quindle
