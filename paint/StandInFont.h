#pragma once

// Fonts that stand in for the classic families the layouts name.

#include <QString>

namespace quindle {

// The layouts name the classic families; these stand in for them. Call
// once after the QApplication exists. Any font naming a classic family then
// finds its stand-in through Qt's substitution table, and a widget given
// such a font is handed the stand-in by name at once, before anything
// measures with it.
void InstallStandInFonts();

// The installed stand-in for a classic family, or the family itself. Asking
// Qt for the stand-in by name spares it the search it makes for a family it
// does not have, a font-configuration query per family that weighs on
// start-up.
QString StandInFamily(const QString& family);

} // namespace quindle
