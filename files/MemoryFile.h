#pragma once

// Bytes as an anonymous file another process can read.

#include <vector>

namespace quindle {

// An anonymous file holding `bytes`, for handing to another process; -1
// when it cannot be made. The caller closes it.
int MemoryFile(const std::vector<unsigned char>& bytes);

} // namespace quindle
