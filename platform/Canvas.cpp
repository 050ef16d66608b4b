#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// An ellipse inscribed in a box with exclusive right and bottom bounds.
struct EllipseShape {
    double cx, cy, rx, ry;
    explicit EllipseShape(const TRect& r)
        : cx((r.Left + r.Right) / 2.0), cy((r.Top + r.Bottom) / 2.0),
          rx(r.Width() / 2.0), ry(r.Height() / 2.0) {}
    bool contains(int x, int y) const
    {
        if (rx <= 0 || ry <= 0)
            return false;
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    }
    // Inside pixels with a neighbour outside: the one-pixel outline.
    bool onEdge(int x, int y) const
    {
        return contains(x, y) && (!contains(x - 1, y) || !contains(x + 1, y) ||
                                  !contains(x, y - 1) || !contains(x, y + 1));
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

QColor TCanvas::Pixel(int x, int y) const
{
    if (!FTarget || !FTarget->valid(x, y))
        return {};
    return FTarget->pixelColor(x, y);
}

void TCanvas::SetPixel(int x, int y, const QColor& c)
{
    if (FTarget && FTarget->valid(x, y))
        FTarget->setPixelColor(x, y, c);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const TRect box{x1, y1, x2, y2};
    const EllipseShape e(box);
    const bool fill = Brush.Style == TBrushStyle::bsSolid;
    const bool outline = Pen.Style == TPenStyle::psSolid;
    const QColor brush = ColorToQColor(Brush.Color), pen = ColorToQColor(Pen.Color);
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) {
            if (!e.contains(x, y))
                continue;
            if (outline && e.onEdge(x, y))
                SetPixel(x, y, pen);
            else if (fill)
                SetPixel(x, y, brush);
        }
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (Pen.Style != TPenStyle::psSolid)
        return;
    const EllipseShape e(TRect{x1, y1, x2, y2});
    const double start = e.angleTo(x3, y3);
    double sweep = normalised(e.angleTo(x4, y4) - start);
    if (sweep == 0)
        sweep = 2 * std::numbers::pi;  // equal rays: the whole ellipse
    const QColor pen = ColorToQColor(Pen.Color);
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            if (e.onEdge(x, y) && normalised(e.angleTo(x + 0.5, y + 0.5) - start) <= sweep)
                SetPixel(x, y, pen);
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
    const QColor pen = ColorToQColor(Pen.Color);
    // Bresenham; the end point is left out so joined lines meet once.
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy, cx = x0, cy = y0;
    while (cx != x || cy != y) {
        SetPixel(cx, cy, pen);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; cx += sx; }
        if (e2 <= dx) { err += dx; cy += sy; }
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style != TBrushStyle::bsSolid || !FTarget)
        return;
    const QColor c = ColorToQColor(Brush.Color);
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, FTarget->height()); ++y)
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, FTarget->width()); ++x)
            FTarget->setPixelColor(x, y, c);
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const QColor c = ColorToQColor(Brush.Color);
    for (int x = r.Left; x < r.Right; ++x) {
        SetPixel(x, r.Top, c);
        SetPixel(x, r.Bottom - 1, c);
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        SetPixel(r.Left, y, c);
        SetPixel(r.Right - 1, y, c);
    }
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (!FTarget || r.Width() <= 0 || r.Height() <= 0)
        return;
    // Every other pixel of the outline, inverted, as the classic focus frame.
    auto invert = [this](int x, int y) {
        if (!FTarget->valid(x, y))
            return;
        const QColor c = FTarget->pixelColor(x, y);
        FTarget->setPixelColor(x, y, QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()));
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

QFont TCanvas::DrawingFont(const QFont& f)
{
    QFont out = f;
    const int px = f.pixelSize() > 0 ? f.pixelSize() : qRound(f.pointSizeF() * 96.0 / 72.0);
    out.setStyleStrategy(px >= 16 ? QFont::PreferAntialias : QFont::NoAntialias);
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
    const QRgb key = ColorToQColor(transparent).rgb() & 0xFFFFFF;
    const bool fill = Brush.Style == TBrushStyle::bsSolid;
    const QColor brush = ColorToQColor(Brush.Color);
    const int w = std::min(dest.Width(), srcRect.Width()), h = std::min(dest.Height(), srcRect.Height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = srcRect.Left + x, sy = srcRect.Top + y;
            if (!src.valid(sx, sy))
                continue;
            const QRgb px = src.pixel(sx, sy);
            if ((px & 0xFFFFFF) == key) {
                if (fill)
                    SetPixel(dest.Left + x, dest.Top + y, brush);
            } else {
                SetPixel(dest.Left + x, dest.Top + y, QColor::fromRgb(px | 0xFF000000u));
            }
        }
}

void TCanvas::Draw(int x, int y, const QImage& src)
{
    if (!FTarget)
        return;
    QPainter p(FTarget);
    p.drawImage(x, y, src);
}
