#pragma once

// Reading whole files that may be anything, without waiting on them.

#include "files/Descriptor.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quindle {

// The whole content of a regular file of at most `cap` bytes. Nothing for a
// missing or unreadable file, a directory, a pipe, a device or a larger
// file. Never waits for a writer: a pipe put in the file's place is not
// read. `path` is in the file system's own encoding.
std::optional<std::vector<unsigned char>> ReadRegularFile(const std::string& path, std::size_t cap);
// The same for a file already open, read from its start.
std::optional<std::vector<unsigned char>> ReadOpenFile(int fd, std::size_t cap);
// A regular file opened for reading, without waiting for a writer; none
// when it is missing, unreadable or not a regular file.
TDescriptor OpenRegularFile(const std::string& path);

} // namespace quindle
