#include "files/HelperFiles.h"

#include <QCoreApplication>
#include <QDir>

namespace quindle {

QStringList HelperFileCandidates(const QString& fileName, THelperDir dir, const QString& override)
{
    if (!override.isEmpty())
        return {override};
    const bool module = dir == THelperDir::Modules;
    const QString fromBin = module ? QStringLiteral(QUINDLE_MODULEDIR_FROM_BIN) : QStringLiteral(QUINDLE_HELPERDIR_FROM_BIN);
    const QString configured = module ? QStringLiteral(QUINDLE_MODULEDIR) : QStringLiteral(QUINDLE_HELPERDIR);
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(fileName), QDir(bin.filePath(fromBin)).filePath(fileName), QDir(configured).filePath(fileName)};
}

} // namespace quindle
