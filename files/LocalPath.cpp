#include "files/LocalPath.h"

#include <QFile>

#include <unistd.h>

#include <memory>

namespace quindle {

std::string PathInCurrentDir(const QString& name)
{
    const std::string encoded = QFile::encodeName(name).toStdString();
    if (encoded.empty() || encoded.front() == '/')
        return encoded;
    const std::unique_ptr<char, decltype(&free)> cwd(getcwd(nullptr, 0), &free);
    // A current directory that is gone: the bare name is all that is left.
    if (!cwd)
        return encoded;
    std::string path(cwd.get());
    if (path.empty() || path.back() != '/')
        path += '/';
    return path + encoded;
}

} // namespace quindle
