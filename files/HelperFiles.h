#pragma once

// Where the files that ship beside the game are looked for.

#include <QString>
#include <QStringList>

namespace quindle {

// Where a file that ships with the game is installed: the clip module with
// the libraries, the sound process with the programs only the game runs.
enum class THelperDir { Modules, Programs };

// Where such a file is looked for, in order: `override` alone when it is
// set; otherwise beside the executable (the build tree), in its folder
// relative to the executable (so an install tree can be moved), and in the
// configured folder.
QStringList HelperFileCandidates(const QString& fileName, THelperDir dir, const QString& override);

} // namespace quindle
