#pragma once

// The colour schemes the game follows from the desktop, and the rules that
// keep fixed colours readable in each.

#include "paint/Colors.h"

#include <QColor>
#include <QImage>
#include <QPalette>

class QFont;

namespace quindle {

enum class TScheme { Classic, Dark, HighContrast };

// Silver faces, white highlights, grey shadows and black frames; dark greys
// with light text; black faces with white text and a yellow highlight.
QPalette SchemePalette(TScheme scheme);

// The scheme a palette is in: the one whose highlight and dark shade it has
// (roles no layout sets), else Classic.
TScheme SchemeOf(const QPalette& palette);
// Makes the scheme the application's palette; every window repaints in it.
void ApplyScheme(TScheme scheme);

// WCAG relative luminance, 0 (black) to 1 (white), and contrast ratio.
double RelativeLuminance(const QColor& c);
double ContrastRatio(const QColor& a, const QColor& b);

// Text of 24 pixels and up, or bold from 19, needs less contrast.
bool IsLargeText(const QFont& font);

// The contrast text of that size needs in the scheme: 4.5:1, large text
// 3:1; in high contrast 7:1 for all.
double NeededContrast(bool largeText, TScheme scheme);

// A colour the layouts fix, as drawn on background in the scheme: as it is
// in Classic; elsewhere lightened, keeping its hue, only as far as
// NeededContrast asks.
QColor ReadableOn(const QColor& fixed, const QColor& background, bool largeText, TScheme scheme);

// The same for a colour value of the layouts, drawn with the palette; a
// system colour follows the scheme already and stays.
TColor ReadableOn(TColor fixed, TColor background, const QFont& font, const QPalette& palette);

// Black lines and glyphs drawn on the face: black in Classic, the scheme's
// text colour elsewhere.
QColor Ink(const QColor& c, const QPalette& palette);

// A glyph as the palette's scheme draws it on face. Classic keeps the
// picture. Dark inks the black of a glyph drawn only in greys and leaves
// coloured glyphs alone. High contrast inks black and lightens every other
// colour, keeping its hue, to the enhanced level against face. Pixels of the
// see-through key, or with no alpha, stay; no other pixel takes the key.
QImage InkedGlyph(const QImage& glyph, const QPalette& palette, const QColor& face, QRgb key);

} // namespace quindle
