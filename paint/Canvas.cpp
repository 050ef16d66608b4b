#include "paint/Canvas.h"

#include "paint/Look.h"
#include "paint/PixelArtScale.h"
#include "paint/StandInFont.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace quindle {

namespace {

// An ellipse inscribed in a box with exclusive right and bottom bounds,
// measured in device pixels at the given scale.
struct EllipseShape {
    double cx, cy, rx, ry, step;
    explicit EllipseShape(const TRect& r, double scale = 1.0)
        : cx((r.Left + r.Right) / 2.0 * scale), cy((r.Top + r.Bottom) / 2.0 * scale),
          rx(r.Width() / 2.0 * scale), ry(r.Height() / 2.0 * scale), step(scale) {}
    bool contains(double x, double y) const
    {
        if (rx <= 0 || ry <= 0)
            return false;
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    }
    // Inside pixels less than one logical pixel from the outside along a
    // row or column: the one-pixel outline.
    bool onEdge(int x, int y) const
    {
        return contains(x, y) && (!contains(x - step, y) || !contains(x + step, y) ||
                                  !contains(x, y - step) || !contains(x, y + step));
    }
    // Screen angle counter-clockwise from the positive x axis (y grows down).
    double angleTo(double x, double y) const { return std::atan2(cy - y, x - cx); }
};

double normalised(double a)
{
    constexpr double twoPi = 2 * std::numbers::pi;
    a = std::fmod(a, twoPi);
    return a < 0 ? a + twoPi : a;
}

} // namespace

bool TCanvas::PtInEllipse(const TRect& r, int x, int y) { return EllipseShape(r).contains(x, y); }

QImage TCanvas::NewSurface(QSize logical, qreal scale, QImage::Format format)
{
    QImage image(DeviceSize(logical, scale).expandedTo(QSize(1, 1)), format);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

TRect TCanvas::DeviceRect(const TRect& r) const
{
    const qreal s = Scale();
    return {ToDevice(r.Left, s), ToDevice(r.Top, s), ToDevice(r.Right, s), ToDevice(r.Bottom, s)};
}

void TCanvas::FillDevice(const TRect& r, const QColor& c)
{
    if (!FTarget)
        return;
    const int left = std::max(r.Left, 0), right = std::min(r.Right, FTarget->width());
    const int top = std::max(r.Top, 0), bottom = std::min(r.Bottom, FTarget->height());
    if (left >= right || top >= bottom)
        return;
    if (FTarget->depth() != 32) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                FTarget->setPixelColor(x, y, c);
        return;
    }
    // The colour converted once, by the image itself, then copied along the
    // rows: converting it per pixel made the clock's fill most of a tick.
    FTarget->setPixelColor(left, top, c);
    const quint32 value = reinterpret_cast<const quint32*>(std::as_const(*FTarget).constScanLine(top))[left];
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<quint32*>(FTarget->scanLine(y));
        std::fill(row + left, row + right, value);
    }
}

void TCanvas::SetDevicePixel(int x, int y, const QColor& c)
{
    if (FTarget && FTarget->valid(x, y))
        FTarget->setPixelColor(x, y, c);
}

QColor TCanvas::Pixel(int x, int y) const
{
    const qreal s = Scale();
    if (!FTarget || !FTarget->valid(ToDevice(x, s), ToDevice(y, s)))
        return {};
    return FTarget->pixelColor(ToDevice(x, s), ToDevice(y, s));
}

void TCanvas::SetPixel(int x, int y, const QColor& c) { FillDevice(DeviceRect({x, y, x + 1, y + 1}), c); }

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const TRect box{x1, y1, x2, y2}, d = DeviceRect(box);
    const EllipseShape e(box, Scale());
    const bool fill = Brush.Style == TBrushStyle::bsSolid;
    const bool outline = Pen.Style == TPenStyle::psSolid;
    const QColor brush = ColorToQColor(Brush.Color, Palette), pen = ColorToQColor(Pen.Color, Palette);
    for (int y = d.Top; y < d.Bottom; ++y)
        for (int x = d.Left; x < d.Right; ++x) {
            if (!e.contains(x, y))
                continue;
            if (outline && e.onEdge(x, y))
                SetDevicePixel(x, y, pen);
            else if (fill)
                SetDevicePixel(x, y, brush);
        }
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (Pen.Style != TPenStyle::psSolid)
        return;
    const qreal s = Scale();
    const TRect box{x1, y1, x2, y2}, d = DeviceRect(box);
    const EllipseShape e(box, s);
    const double start = e.angleTo(x3 * s, y3 * s);
    double sweep = normalised(e.angleTo(x4 * s, y4 * s) - start);
    if (sweep == 0)
        sweep = 2 * std::numbers::pi;  // equal rays: the whole ellipse
    const QColor pen = ColorToQColor(Pen.Color, Palette);
    for (int y = d.Top; y < d.Bottom; ++y)
        for (int x = d.Left; x < d.Right; ++x)
            if (e.onEdge(x, y) && normalised(e.angleTo(x + 0.5, y + 0.5) - start) <= sweep)
                SetDevicePixel(x, y, pen);
}

void TCanvas::MoveTo(int x, int y)
{
    FPenX = x;
    FPenY = y;
}

void TCanvas::LineTo(int x, int y)
{
    const int x0 = FPenX, y0 = FPenY;
    FPenX = x;
    FPenY = y;
    if (Pen.Style != TPenStyle::psSolid)
        return;
    const QColor pen = ColorToQColor(Pen.Color, Palette);
    if (Scale() != 1.0) {
        ScaledLine(x0, y0, x, y, pen);
        return;
    }
    // Bresenham; the end point is left out so joined lines meet once.
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy, cx = x0, cy = y0;
    while (cx != x || cy != y) {
        SetDevicePixel(cx, cy, pen);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; cx += sx; }
        if (e2 <= dx) { err += dx; cy += sy; }
    }
}

void TCanvas::ScaledLine(int x0, int y0, int x1, int y1, const QColor& c)
{
    const qreal s = Scale();
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    // a runs along the major axis, b across it; both count pixel centres.
    const int a0 = xMajor ? x0 : y0, a1 = xMajor ? x1 : y1, b0 = xMajor ? y0 : x0, b1 = xMajor ? y1 : x1;
    if (a0 == a1)
        return;
    // The logical pixels a0 up to a1, a1 left out, whichever way the line runs.
    const int from = a1 > a0 ? a0 : a1 + 1, to = a1 > a0 ? a1 : a0 + 1;
    const double slope = double(b1 - b0) / (a1 - a0);
    for (int A = ToDevice(from, s); A < ToDevice(to, s); ++A) {
        const double b = b0 + ((A + 0.5) / s - 0.5 - a0) * slope;
        // One logical pixel across, centred on the line.
        const int B1 = int(std::floor(b * s + 0.5)), B2 = int(std::floor((b + 1) * s + 0.5));
        for (int B = B1; B < B2; ++B)
            if (xMajor)
                SetDevicePixel(A, B, c);
            else
                SetDevicePixel(B, A, c);
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style != TBrushStyle::bsSolid)
        return;
    FillDevice(DeviceRect(r), ColorToQColor(Brush.Color, Palette));
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const QColor c = ColorToQColor(Brush.Color, Palette);
    FillDevice(DeviceRect({r.Left, r.Top, r.Right, r.Top + 1}), c);
    FillDevice(DeviceRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}), c);
    FillDevice(DeviceRect({r.Left, r.Top, r.Left + 1, r.Bottom}), c);
    FillDevice(DeviceRect({r.Right - 1, r.Top, r.Right, r.Bottom}), c);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (!FTarget || r.Width() <= 0 || r.Height() <= 0)
        return;
    // Every other pixel of the outline, inverted, as the classic focus frame.
    auto invert = [this](int x, int y) {
        const TRect d = DeviceRect({x, y, x + 1, y + 1});
        for (int dy = d.Top; dy < d.Bottom; ++dy)
            for (int dx = d.Left; dx < d.Right; ++dx) {
                if (!FTarget->valid(dx, dy))
                    continue;
                const QColor c = FTarget->pixelColor(dx, dy);
                FTarget->setPixelColor(dx, dy, QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()));
            }
    };
    for (int x = r.Left; x < r.Right; ++x) {
        if ((x - r.Left) % 2 == 0) {
            invert(x, r.Top);
            if (r.Bottom - 1 != r.Top)
                invert(x, r.Bottom - 1);
        }
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        if ((y - r.Top) % 2 == 0) {
            invert(r.Left, y);
            if (r.Right - 1 != r.Left)
                invert(r.Right - 1, y);
        }
    }
}

QFont TCanvas::DrawingFont(const QFont& f, qreal scale)
{
    QFont out = f;
    const QString family = f.family();
    const QString standIn = StandInFamily(family);
    if (standIn != family)
        out.setFamilies({standIn});
    const int px = PixelHeight(f);
    out.setStyleStrategy(px * scale >= 16 ? QFont::PreferAntialias : QFont::NoAntialias);
    return out;
}

QSize TCanvas::TextExtent(const QString& s) const
{
    const QFontMetrics fm(DrawingFont(Font));
    return {fm.horizontalAdvance(s), fm.height()};
}

void TCanvas::TextRectCentered(const TRect& r, const QString& caption)
{
    if (!FTarget)
        return;
    // Measured as shown, through the same text operation that draws it, so
    // "&" and "&&" are treated alike in both.
    TRect shown{r.Left, r.Top, r.Left, r.Top};
    DrawText(caption, shown, tfCalcRect);
    const int w = shown.Width(), h = shown.Height();
    TRect at{r.Left + (r.Width() - w) / 2, r.Top + (r.Height() - h) / 2, 0, 0};
    at.Right = at.Left + w;
    at.Bottom = at.Top + h;
    if (Brush.Style == TBrushStyle::bsSolid)
        FillRect({std::max(at.Left, r.Left), std::max(at.Top, r.Top), std::min(at.Right, r.Right),
                  std::min(at.Bottom, r.Bottom)});
    DrawText(caption, at, tfLeft);
}

void TCanvas::BrushCopy(const TRect& dest, const QImage& src, const TRect& srcRect, TColor transparent)
{
    if (!FTarget)
        return;
    const QRgb key = ColorToQColor(transparent, Palette).rgb() & 0xFFFFFF;
    const int w = std::min(dest.Width(), srcRect.Width()), h = std::min(dest.Height(), srcRect.Height());
    if (w <= 0 || h <= 0)
        return;
    // The picture as drawn at one to one, with see-through pixels clear;
    // on a finer grid it is enlarged as a whole, its edges smoothed.
    QImage art(w, h, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    const bool fill = Brush.Style == TBrushStyle::bsSolid;
    const QRgb brush = ColorToQColor(Brush.Color, Palette).rgb() | 0xFF000000u;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = srcRect.Left + x, sy = srcRect.Top + y;
            if (!src.valid(sx, sy))
                continue;
            const QRgb px = src.pixel(sx, sy);
            if ((px & 0xFFFFFF) != key)
                art.setPixel(x, y, px | 0xFF000000u);
            else if (fill)
                art.setPixel(x, y, brush);
        }
    const TRect d = DeviceRect({dest.Left, dest.Top, dest.Left + w, dest.Top + h});
    const QImage big = ScalePixelArt(art, QSize(d.Width(), d.Height()), fill ? brush : 0);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) {
            const QColor c = big.pixelColor(x, y);
            const int tx = d.Left + x, ty = d.Top + y;
            if (c.alpha() == 0 || !FTarget->valid(tx, ty))
                continue;
            if (c.alpha() == 255) {
                FTarget->setPixelColor(tx, ty, c);
                continue;
            }
            // A smoothed edge: over what is there.
            const QColor under = FTarget->pixelColor(tx, ty);
            const double a = c.alphaF(), b = under.alphaF() * (1 - a), out = a + b;
            auto mix = [&](double top, double bottom) { return (top * a + bottom * b) / out; };
            FTarget->setPixelColor(tx, ty, QColor::fromRgbF(float(mix(c.redF(), under.redF())),
                                                            float(mix(c.greenF(), under.greenF())),
                                                            float(mix(c.blueF(), under.blueF())), float(out)));
        }
}

void TCanvas::Draw(int x, int y, const QImage& src)
{
    if (!FTarget)
        return;
    QPainter p(FTarget);
    p.drawImage(x, y, src);
}

} // namespace quindle
