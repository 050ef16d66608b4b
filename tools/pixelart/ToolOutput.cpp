#include "tools/pixelart/ToolOutput.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace quindle::gen {

void Die(const char* tool, const std::string& why)
{
    std::fprintf(stderr, "%s: %s\n", tool, why.c_str());
    std::exit(1);
}

void SaveOrDie(const char* tool, const QImage& img, const QString& path, const char* format)
{
    if (!img.save(path, format))
        Die(tool, "cannot write " + path.toStdString());
    std::printf("%s\n", qPrintable(path));
}

} // namespace quindle::gen
