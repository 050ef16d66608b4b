#include "files/MemoryFile.h"

#include <cerrno>
#include <sys/mman.h>
#include <unistd.h>

namespace quindle {

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

} // namespace quindle
