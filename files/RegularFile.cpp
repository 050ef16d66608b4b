#include "files/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quindle {

TDescriptor OpenRegularFile(const std::string& path)
{
    // Devices are never opened: opening some has side effects.
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    // Non-blocking, and checked again once open, for a pipe swapped in meanwhile.
    TDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file || fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return file;
}

std::optional<std::vector<unsigned char>> ReadRegularFile(const std::string& path, std::size_t cap)
{
    const TDescriptor file = OpenRegularFile(path);
    return file ? ReadOpenFile(file.Get(), cap) : std::nullopt;
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
