#pragma once

// Enlarging hand-drawn pictures without blurring them.

#include <QImage>
#include <QSize>

namespace quindle {

// Enlarges a small hand-drawn picture to size: doubled with the Scale2x
// rule, which rounds off diagonal steps but keeps every edge hard and adds
// no colour, until it is large enough, then smoothly brought down to size.
// surround is the colour around the picture (its background), premultiplied
// like art; the result is ARGB32_Premultiplied.
QImage ScalePixelArt(const QImage& art, QSize size, QRgb surround = 0);

} // namespace quindle
