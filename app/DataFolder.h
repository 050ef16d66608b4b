#pragma once

#include <QString>

namespace quindle {

// The game reads its cues and clip by bare name from the current directory.
// An installed game keeps them in a data folder of its own, so it works in
// that folder whichever folder it was started from; a game without such a
// folder beside it (the build tree) keeps the directory it was started in.
//
// dataFromBin is the data folder relative to the folder holding the program.
// Returns whether the current directory was changed.
bool EnterDataFolder(const QString& binDir, const QString& dataFromBin);

} // namespace quindle
