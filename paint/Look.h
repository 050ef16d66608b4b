#pragma once

// The classic desktop look the whole game wears.

#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

namespace quindle {

// The classic desktop look: the built-in "Windows" style, the classic colour
// scheme (until the desktop asks for another), the stand-in fonts, and the compiled-in pictures. Call once after
// the QApplication exists.
void InitLook();

// A font by the family name the layouts use (its stand-in, by name), at a
// character height in pixels (the layouts' "height 11" is an 11-pixel font).
QFont PixelFont(const QString& family, int pixelHeight, bool bold = false);

// A font's character height in pixels; a point size counts at 96 dots per inch.
int PixelHeight(const QFont& font);

// Window layouts store font heights in pixels as the dynamic property
// "fontHeight" (Designer only knows point sizes). Applies them below root,
// root included, to the widget's font or, where it has one, its "Font".
// The layouts' fonts carry no point size: until this runs they take the
// application's 11 pixels, and anything measured on the way (a group
// box's title, a line edit's text) loads no font that is never drawn.
void ApplyFontHeights(QWidget* root);

} // namespace quindle
