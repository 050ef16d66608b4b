#pragma once

// The colour a glyph picture marks as transparent.

#include <QColor>
#include <QImage>

namespace quindle {

// The glyph's bottom-left pixel is its background, which is not drawn. An
// empty glyph has no key; the caller decides what stands in.
inline QColor GlyphKeyColor(const QImage& glyph) { return glyph.pixelColor(0, glyph.height() - 1); }

} // namespace quindle
