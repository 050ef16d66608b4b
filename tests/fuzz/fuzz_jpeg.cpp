// The JPEG decoder on arbitrary bytes: it must refuse or decode, never
// crash, read out of bounds or allocate without limit.
#include "paint/JpegDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     static_cast<qsizetype>(size));
    QString error;
    const QImage img = quindle::DecodeJpeg(bytes, &error);
    // A decoder that fails must say why; one that succeeds has a picture.
    if (img.isNull() == error.isEmpty())
        std::abort();
    return 0;
}
