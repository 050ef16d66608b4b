#include "paint/PixelArtScale.h"

namespace quindle {

namespace {

QImage Scale2x(const QImage& src, QRgb surround)
{
    const int w = src.width(), h = src.height();
    QImage out(2 * w, 2 * h, src.format());
    // Beyond the edge lies the background, so a line ending at the edge
    // keeps its square end as it would inside.
    auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return surround;
        return reinterpret_cast<const QRgb*>(src.constScanLine(y))[x];
    };
    for (int y = 0; y < h; ++y) {
        auto* top = reinterpret_cast<QRgb*>(out.scanLine(2 * y));
        auto* bottom = reinterpret_cast<QRgb*>(out.scanLine(2 * y + 1));
        for (int x = 0; x < w; ++x) {
            const QRgb p = at(x, y), up = at(x, y - 1), right = at(x + 1, y), left = at(x - 1, y),
                       down = at(x, y + 1);
            top[2 * x] = left == up && left != down && up != right ? up : p;
            top[2 * x + 1] = up == right && up != left && right != down ? right : p;
            bottom[2 * x] = down == left && down != right && left != up ? left : p;
            bottom[2 * x + 1] = right == down && right != up && down != left ? down : p;
        }
    }
    return out;
}

} // namespace

QImage ScalePixelArt(const QImage& art, QSize size, QRgb surround)
{
    if (art.isNull() || size.isEmpty())
        return {};
    QImage img = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    while (img.width() < size.width() || img.height() < size.height())
        img = Scale2x(img, surround);
    if (img.size() != size)
        img = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

} // namespace quindle
