#pragma once

// Reads the bitmaps the program resources store without a file header.

#include <QByteArray>
#include <QImage>

namespace quindle {

// A bare device-independent bitmap (info header, colour table, pixels) as an
// image; null when it is too short or does not decode.
QImage DibToImage(const QByteArray& dib);

// The bundled resource NAME.bmp; null when there is none.
QImage LoadDibResource(const char* name);

} // namespace quindle
