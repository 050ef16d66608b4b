#pragma once

// Decoding JPEG pictures held in memory.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quindle {

// Decodes a JPEG held in memory with libjpeg's own API (not Qt's image
// plugins). Returns a null QImage and sets *error on any failure, including
// data that libjpeg would only warn about (a truncated or corrupt stream).
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

} // namespace quindle
