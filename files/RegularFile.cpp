#include "files/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quindle {

namespace {

struct TFd {
    int Fd;
    ~TFd()
    {
        if (Fd >= 0)
            close(Fd);
    }
};

} // namespace

int OpenRegularFile(const std::string& path)
{
    // Devices are never opened: opening some has side effects.
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    // Non-blocking, and checked again once open, for a pipe swapped in meanwhile.
    TFd file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.Fd < 0 || fstat(file.Fd, &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return std::exchange(file.Fd, -1);
}

std::optional<std::vector<unsigned char>> ReadRegularFile(const std::string& path, std::size_t cap)
{
    const TFd file{OpenRegularFile(path)};
    return file.Fd < 0 ? std::nullopt : ReadOpenFile(file.Fd, cap);
}

std::optional<std::vector<unsigned char>> ReadOpenFile(int fd, std::size_t cap)
{
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0
        || static_cast<unsigned long long>(st.st_size) > cap)
        return std::nullopt;
    // One byte more than the size tells a file that grew past it.
    std::vector<unsigned char> bytes(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > cap)
        return std::nullopt;
    bytes.resize(got);
    return bytes;
}

} // namespace quindle
