#include "files/HelperFiles.h"

#include <QCoreApplication>
#include <QDir>

namespace quindle {

QStringList HelperFileCandidates(const QString& fileName, const QString& override)
{
    if (!override.isEmpty())
        return {override};
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(fileName),
            bin.filePath(QStringLiteral(QUINDLE_MODULEDIR_FROM_BIN "/") + fileName),
            QDir(QStringLiteral(QUINDLE_MODULEDIR)).filePath(fileName)};
}

} // namespace quindle
