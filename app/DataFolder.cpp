#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace quindle {

bool EnterDataFolder(const QString& binDir, const QString& dataFromBin)
{
    if (binDir.isEmpty() || dataFromBin.isEmpty())
        return false;
    const QDir data(QDir(binDir).filePath(dataFromBin));
    // Any one of the game's files marks the folder as ours; a stray empty
    // folder of that name must not take the player's directory away.
    bool ours = false;
    for (const QString& name : QStringLiteral(QUINDLE_GAME_FILES).split(QLatin1Char(',')))
        ours = ours || QFileInfo(data.filePath(name)).isFile();
    return ours && QDir::setCurrent(data.absolutePath());
}

} // namespace quindle
