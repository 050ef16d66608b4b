#pragma once

// Names in the current directory as the file system takes them.

#include <QString>

#include <string>

namespace quindle {

// `name` in the current directory, as the bytes the file system takes. The
// directory's own bytes are used as they are, so a folder whose name is not
// valid in the locale's encoding still works. An absolute name stays itself.
std::string PathInCurrentDir(const QString& name);

} // namespace quindle
