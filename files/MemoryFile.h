#pragma once

// Bytes as an anonymous file another process can read.

#include "files/Descriptor.h"

#include <vector>

namespace quindle {

// An anonymous file holding `bytes`, for handing to another process; none
// when it cannot be made.
TDescriptor MemoryFile(const std::vector<unsigned char>& bytes);

} // namespace quindle
