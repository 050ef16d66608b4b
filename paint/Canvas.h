#pragma once

// The drawing surface the game's controls paint on.

#include "paint/Colors.h"

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>

#include <cmath>

namespace quindle {

// A rectangle whose right and bottom bounds are exclusive, as the drawing
// calls of the game's widgets take them.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

enum class TPenStyle { psSolid, psClear };
enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = TPenStyle::psSolid;
    int Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

// Flags of the text operation DrawText.
enum TextFlag : unsigned {
    tfLeft = 0x0,
    tfCenter = 0x1,
    tfRight = 0x2,
    tfWordBreak = 0x10,
    tfExpandTabs = 0x40,
    tfCalcRect = 0x400,
    tfNoPrefix = 0x800,
};

// Pixel drawing on an image, with pen, brush and font that keep their
// settings between calls. Shapes are rasterised here rather than by
// QPainter so that every pixel is where the widgets expect it.
//
// Coordinates are logical pixels. An image with a device pixel ratio above
// 1 is drawn at its own resolution: shapes on its finer grid, a one-pixel
// pen as wide as one logical pixel, text and pictures at full detail.
class TCanvas {
public:
    explicit TCanvas(QImage* target = nullptr) : FTarget(target) {}

    void setTarget(QImage* target) { FTarget = target; }
    QImage* Target() const { return FTarget; }

    // Device pixels per logical pixel of the target (1 without one).
    qreal Scale() const { return FTarget ? FTarget->devicePixelRatio() : 1.0; }
    // The device pixel edge for the logical edge v: device pixels whose
    // centres lie in (a*scale, b*scale] belong to the logical span [a, b).
    static int ToDevice(int v, qreal scale) { return int(std::floor(v * scale + 0.5)); }
    static QSize DeviceSize(QSize logical, qreal scale)
    {
        return {ToDevice(logical.width(), scale), ToDevice(logical.height(), scale)};
    }
    // A transparent image for drawing the logical size at the given scale.
    static QImage NewSurface(QSize logical, qreal scale, QImage::Format format);

    TPen Pen;
    TBrush Brush;
    QFont Font;
    TColor FontColor = clWindowText;
    // What system colours resolve through; the application's when made.
    QPalette Palette;

    // Pixels of the ellipse inscribed in r (a pixel counts when its centre
    // lies inside).
    static bool PtInEllipse(const TRect& r, int x, int y);

    // Filled with the brush, outlined with the pen.
    void Ellipse(int x1, int y1, int x2, int y2);
    // Counter-clockwise on screen, from the ray towards (x3, y3) to the ray
    // towards (x4, y4), on the ellipse of the box (x1, y1)-(x2, y2).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y), leaving out the end point.
    void LineTo(int x, int y);
    // Nothing is drawn with a clear brush.
    void FillRect(const TRect& r);
    // One-pixel outline of r in the brush colour.
    void FrameRect(const TRect& r);
    // The standard dotted focus rectangle, drawn by inverting.
    void DrawFocusRect(const TRect& r);

    // Width and height of s in the current font; "&" counts as a character.
    QSize TextExtent(const QString& s) const;
    // One line centred in r; "&" underlines the next character. The text's
    // background takes the brush colour when the brush is solid.
    void TextRectCentered(const TRect& r, const QString& caption);
    // Multi-line text operation: draws or (tfCalcRect) measures text in r,
    // see CanvasText.cpp. Returns the height of the text.
    int DrawText(const QString& text, TRect& r, unsigned flags);

    // Copies src's srcRect to dest; pixels equal to transparent take the
    // brush colour, or stay undrawn with a clear brush.
    void BrushCopy(const TRect& dest, const QImage& src, const TRect& srcRect, TColor transparent);
    void Draw(int x, int y, const QImage& src);

    QColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, const QColor& c);

    // The font as it is drawn: the stand-in for a classic family; small
    // sizes without antialiasing, as on the classic desktop; large ones
    // smoothed. The size that counts is in device pixels, so text enlarged
    // for a dense screen is smoothed as the system's own text beside it.
    static QFont DrawingFont(const QFont& f, qreal scale = 1.0);

private:
    TRect DeviceRect(const TRect& r) const;
    // Fills the device pixels of r, clipped to the target.
    void FillDevice(const TRect& r, const QColor& c);
    void SetDevicePixel(int x, int y, const QColor& c);
    // A one-pixel line on a finer grid: the pixels swept by a logical pixel
    // moving from (x0, y0) to just before (x1, y1).
    void ScaledLine(int x0, int y0, int x1, int y1, const QColor& c);

    QImage* FTarget = nullptr;
    int FPenX = 0, FPenY = 0;
};

} // namespace quindle
