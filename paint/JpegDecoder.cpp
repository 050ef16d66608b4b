#include "paint/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace quindle {
namespace {

// Larger pictures are refused before anything is allocated for them.
constexpr JDIMENSION kMaxSide = 16384;
constexpr unsigned long long kMaxPixels = 64ull * 1024 * 1024;

// Everything libjpeg touches lives here, so that the functions that call
// setjmp hold no C++ objects a longjmp would skip over.
struct Decoder {
    jpeg_decompress_struct info;
    jpeg_error_mgr err;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

Decoder* decoderOf(j_common_ptr cinfo) { return reinterpret_cast<Decoder*>(cinfo->client_data); }

[[noreturn]] void onError(j_common_ptr cinfo)
{
    Decoder* d = decoderOf(cinfo);
    cinfo->err->format_message(cinfo, d->message);
    std::longjmp(d->jump, 1);
}

// libjpeg only warns about a truncated or damaged stream and fills in grey;
// such a picture is as broken as one it rejects.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        onError(cinfo);
}

// Sets up libjpeg, reads the header and starts decompression. Returns false
// with d->message set on failure.
bool start(Decoder* d, const unsigned char* bytes, unsigned long size)
{
    if (setjmp(d->jump))
        return false;
    jpeg_create_decompress(&d->info);
    // Older libjpeg declares the buffer non-const; it is only read.
    jpeg_mem_src(&d->info, const_cast<unsigned char*>(bytes), size);
    jpeg_read_header(&d->info, TRUE);
    jpeg_decompress_struct& in = d->info;
    if (in.image_width > kMaxSide || in.image_height > kMaxSide
        || static_cast<unsigned long long>(in.image_width) * in.image_height > kMaxPixels) {
        std::snprintf(d->message, sizeof d->message, "Picture too large: %ux%u",
                      unsigned(in.image_width), unsigned(in.image_height));
        return false;
    }
    switch (in.jpeg_color_space) {
    case JCS_GRAYSCALE: in.out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK: in.out_color_space = JCS_CMYK; break;
    default: in.out_color_space = JCS_RGB; break;
    }
    jpeg_start_decompress(&in);
    return true;
}

inline QRgb cmykToRgb(const JSAMPLE* p)
{
    // Adobe writes CMYK inverted, which is what libjpeg hands back.
    const int k = p[3];
    return qRgb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
}

// Decodes every row into `bits` (Format_RGB32, `stride` bytes a row).
bool readRows(Decoder* d, uchar* bits, qsizetype stride)
{
    if (setjmp(d->jump))
        return false;
    jpeg_decompress_struct& in = d->info;
    JSAMPARRAY row = in.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&in), JPOOL_IMAGE,
                                          in.output_width * in.output_components, 1);
    while (in.output_scanline < in.output_height) {
        const JDIMENSION y = in.output_scanline;
        jpeg_read_scanlines(&in, row, 1);
        QRgb* out = reinterpret_cast<QRgb*>(bits + stride * y);
        const JSAMPLE* p = row[0];
        for (JDIMENSION x = 0; x < in.output_width; ++x, p += in.output_components) {
            switch (in.out_color_space) {
            case JCS_GRAYSCALE: out[x] = qRgb(p[0], p[0], p[0]); break;
            case JCS_CMYK: out[x] = cmykToRgb(p); break;
            default: out[x] = qRgb(p[0], p[1], p[2]); break;
            }
        }
    }
    // Reads up to the end marker, so a stream cut after the last row is caught.
    jpeg_finish_decompress(&in);
    return true;
}

QImage fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return QImage();
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error)
{
    if (data.isEmpty())
        return fail(error, QStringLiteral("Empty JPEG data"));

    Decoder d;
    std::memset(&d, 0, sizeof d);
    d.info.err = jpeg_std_error(&d.err);
    d.err.error_exit = onError;
    d.err.emit_message = onMessage;
    // Kept by jpeg_create_decompress.
    d.info.client_data = &d;

    QImage image;
    bool ok = start(&d, reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()));
    if (ok) {
        image = QImage(int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB32);
        if (image.isNull()) {
            std::snprintf(d.message, sizeof d.message, "Out of memory for the picture");
            ok = false;
        } else {
            ok = readRows(&d, image.bits(), image.bytesPerLine());
        }
    }
    jpeg_destroy_decompress(&d.info);
    if (!ok)
        return fail(error, QString::fromLocal8Bit(d.message));
    if (error)
        error->clear();
    return image;
}

} // namespace quindle
