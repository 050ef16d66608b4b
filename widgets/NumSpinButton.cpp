#include "widgets/NumSpinButton.h"

#include "widgets/RoundEven.h"
#include "paint/DibImage.h"
#include "paint/GlyphKey.h"
#include "paint/Schemes.h"

#include <QMouseEvent>
#include <QTimer>

#include <cmath>

namespace quindle {

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 100;

// The glyph's key colour, except that a one-bit glyph (and an empty one)
// keys white whatever its bottom-left pixel holds.
TColor GlyphBackground(const QImage& glyph)
{
    if (glyph.depth() == 1 || glyph.isNull())
        return clWhite;
    return QColorToColor(GlyphKeyColor(glyph));
}

void DrawGlyph(TCanvas& c, const QImage& glyph, int x, int y)
{
    const int w = glyph.width(), h = glyph.height();
    const TColor key = GlyphBackground(glyph);
    const QImage inked = InkedGlyph(glyph, c.Palette, ColorToQColor(c.Brush.Color, c.Palette),
                                    ColorToQColor(key, c.Palette).rgb());
    c.BrushCopy({x, y, x + w, y + h}, inked, {0, 0, w, h}, key);
}

} // namespace

TNumSpinButton::TNumSpinButton(QWidget* parent) : TGraphicControl(parent)
{
    FUpGlyph = LoadDibResource("NUMSPINUP");
    FDownGlyph = LoadDibResource("NUMSPINDOWN");
    setOpaque(true);
    resize(20, 20);
    // Rendered when first asked for: the field resizes the button first.
    FImagesStale = true;
}

void TNumSpinButton::setUpGlyph(const QImage& glyph)
{
    FUpGlyph = glyph.isNull() ? LoadDibResource("NUMSPINUP") : glyph;
    InvalidateImages();
}

void TNumSpinButton::setDownGlyph(const QImage& glyph)
{
    FDownGlyph = glyph.isNull() ? LoadDibResource("NUMSPINDOWN") : glyph;
    InvalidateImages();
}

TSpinHalf TNumSpinButton::HalfAt(const QPoint& p) const
{
    const int w = std::max(width(), 1), h = height();
    return p.y() > h - double(h) / w * p.x() ? TSpinHalf::Bottom : TSpinHalf::Top;
}

const QImage& TNumSpinButton::StateImage(TSpinHalf half)
{
    // At the resolution of whatever is being painted, else the window's.
    const QImage* target = Canvas()->Target();
    const qreal ratio = target && !target->isNull() ? target->devicePixelRatio() : devicePixelRatioF();
    if (FImagesStale || FNormalImage.size() != TCanvas::DeviceSize(size().expandedTo(QSize(1, 1)), ratio)
        || FNormalImage.devicePixelRatio() != ratio) {
        RenderAllStates(ratio);
        FImagesStale = false;
    }
    switch (half) {
    case TSpinHalf::Top: return FTopPressedImage;
    case TSpinHalf::Bottom: return FBottomPressedImage;
    default: return FNormalImage;
    }
}

void TNumSpinButton::RenderState(QImage& image, TSpinHalf half, qreal ratio) const
{
    const int W = width(), H = height();
    const bool top = half == TSpinHalf::Top, bottom = half == TSpinHalf::Bottom;
    image = TCanvas::NewSurface(QSize(std::max(W, 1), std::max(H, 1)), ratio, QImage::Format_RGB32);
    TCanvas c(&image);
    c.Palette = palette();
    c.Brush.Color = clBtnFace;
    c.FillRect({0, 0, W, H});
    c.Brush.Color = clWindowFrame;
    c.FrameRect({0, 0, W, H});
    c.Pen.Color = clWindowFrame;
    c.MoveTo(-1, H);
    c.LineTo(W, -1);

    c.Pen.Color = top ? clBtnShadow : clBtnHighlight;
    c.MoveTo(1, H - 4);
    c.LineTo(1, 1);
    c.LineTo(W - 3, 1);
    if (!top) {
        c.Pen.Color = clBtnShadow;
        c.MoveTo(1, H - 3);
        c.LineTo(W - 2, 0);
    }
    c.Pen.Color = bottom ? clBtnHighlight : clBtnShadow;
    c.MoveTo(2, H - 2);
    c.LineTo(W - 2, H - 2);
    c.LineTo(W - 2, 1);
    c.Pen.Color = bottom ? clBtnShadow : clBtnHighlight;
    c.MoveTo(2, H - 2);
    c.LineTo(W - 1, 1);

    c.Brush.Color = clBtnFace;
    const int d = top ? 2 : 1;
    const double uw = FUpGlyph.width(), uh = FUpGlyph.height();
    DrawGlyph(c, FUpGlyph, int(RoundEven(W / 4.0 - uw / 2)) + d, int(RoundEven(H / 4.0 - uh / 2)) + d);
    const double dw = FDownGlyph.width(), dh = FDownGlyph.height();
    DrawGlyph(c, FDownGlyph, int(RoundEven(3.0 * W / 4 - dw / 2)) - 1, int(RoundEven(3.0 * H / 4 - dh / 2)) - 1);

    if (bottom) {
        c.Pen.Color = clBtnShadow;
        c.MoveTo(3, H - 2);
        c.LineTo(W - 1, 2);
    }
}

void TNumSpinButton::RenderAllStates(qreal ratio)
{
    RenderState(FTopPressedImage, TSpinHalf::Top, ratio);
    RenderState(FBottomPressedImage, TSpinHalf::Bottom, ratio);
    RenderState(FNormalImage, TSpinHalf::None, ratio);
}

void TNumSpinButton::InvalidateImages()
{
    FImagesStale = true;
    Invalidate();
}

void TNumSpinButton::Paint()
{
    Canvas()->Draw(0, 0, StateImage(FPressedHalf));
}

// Draws the current state now, without waiting for a full repaint.
void TNumSpinButton::DrawNow()
{
    PrepareSurface();
    Paint();
    Flush();
}

void TNumSpinButton::mousePressEvent(QMouseEvent* event)
{
    // Taken here: passed on, the press would reach the field's text.
    event->accept();
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    QWidget* focus = FFocusControl;
    if (focus && (focus->focusPolicy() & Qt::TabFocus) && focus->isEnabled() && focus->isVisible()
        && !focus->hasFocus())
        focus->setFocus(Qt::OtherFocusReason);
    BeginCapture();
    if (FPressedHalf == TSpinHalf::None) {
        FPressStartHalf = TSpinHalf::None;
        FPressedHalf = HalfAt(event->pos());
        Click(FPressedHalf);
        if (FPressedHalf != FPressStartHalf) {
            FPressStartHalf = FPressedHalf;
            DrawNow();
        }
        if (!FAutoRepeat) {
            FAutoRepeat = new QTimer(this);
            connect(FAutoRepeat, &QTimer::timeout, this, &TNumSpinButton::RepeatTick);
        }
        FAutoRepeat->setInterval(kFirstRepeatMs);
        FAutoRepeat->start();
    }
    FTracking = true;
}

void TNumSpinButton::Track(const QPoint& p)
{
    if (p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height()) {
        const TSpinHalf half = HalfAt(p);
        if (FPressedHalf == half)
            return;
        const TSpinHalf shown = half == FPressStartHalf ? half : TSpinHalf::None;
        if (shown != FPressedHalf) {
            FPressedHalf = shown;
            DrawNow();
        }
    } else if (FPressedHalf != TSpinHalf::None) {
        FPressedHalf = TSpinHalf::None;
        DrawNow();
    }
}

void TNumSpinButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (FTracking)
        Track(event->pos());
}

void TNumSpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        EndCapture();
    if (!FTracking)
        return;
    FTracking = false;
    const QPoint p = event->pos();
    if (p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height()) {
        FPressedHalf = TSpinHalf::None;
        FPressStartHalf = TSpinHalf::None;
        DrawNow();
    } else {
        // Released away from the button with no move out reported first: the
        // half must not stay down, or the next press would be ignored.
        Track(p);
    }
}

void TNumSpinButton::hideEvent(QHideEvent* event)
{
    TGraphicControl::hideEvent(event);
    EndPress();
}

void TNumSpinButton::changeEvent(QEvent* event)
{
    TGraphicControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            EndPress();
        InvalidateImages();
    }
}

void TNumSpinButton::PaletteChanged() { FImagesStale = true; }  // drawn in system colours

void TNumSpinButton::BeginCapture()
{
    FCapture.Arm();
    if (FRepeatParked) {
        FRepeatParked = false;
        FAutoRepeat->start();
    }
}

void TNumSpinButton::EndCapture()
{
    FCapture.Disarm();
    // Without the capture a tick does nothing: park the timer rather than
    // wake ten times a second for the rest of the run.
    if (FAutoRepeat && FAutoRepeat->isActive()) {
        FAutoRepeat->stop();
        FRepeatParked = true;
    }
}

void TNumSpinButton::EndPress()
{
    // No release comes to a disabled or hidden button: nothing may stay down,
    // or the next press would be ignored.
    EndCapture();
    FTracking = false;
    FPressedHalf = TSpinHalf::None;
    FPressStartHalf = TSpinHalf::None;
}

void TNumSpinButton::Click(TSpinHalf half)
{
    if (half == TSpinHalf::Top)
        DoTopClick();
    else if (half == TSpinHalf::Bottom)
        DoBottomClick();
}

void TNumSpinButton::DoTopClick()
{
    emit OnTopClick();
    if (!FCapture.Armed())
        FPressedHalf = TSpinHalf::None;
}

void TNumSpinButton::DoBottomClick()
{
    emit OnBottomClick();
    if (!FCapture.Armed())
        FPressedHalf = TSpinHalf::None;
}

void TNumSpinButton::RepeatTick()
{
    FAutoRepeat->setInterval(kRepeatMs);
    if (FPressedHalf == TSpinHalf::None || !FCapture.Armed())
        return;
    Click(FPressedHalf);
}

} // namespace quindle
