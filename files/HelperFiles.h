#pragma once

// Where the files that ship beside the game are looked for.

#include <QString>
#include <QStringList>

namespace quindle {

// Where a file that ships with the game (the clip module, the sound
// process) is looked for, in order: `override` alone when it is set;
// otherwise beside the executable, in the module folder relative to it (so
// an install tree can be moved), and in the configured module folder.
QStringList HelperFileCandidates(const QString& fileName, const QString& override);

} // namespace quindle
