#pragma once

// The base of the windowless controls, which paint on a surface of their own.

#include "paint/Canvas.h"

#include <QImage>
#include <QWidget>

class QHelpEvent;

namespace quindle {

// A windowless control: a non-native child widget that paints into a
// surface of its own which persists between paints. A full repaint starts
// again from the container's background (the surface is cleared, so the
// container shows through wherever the control does not draw) and calls
// Paint; drawing "at once" goes onto the surface over what is there and is
// shown with Flush, without a full repaint.
class TGraphicControl : public QWidget {
    Q_OBJECT
public:
    explicit TGraphicControl(QWidget* parent = nullptr);

    TCanvas* Canvas() { return &FCanvas; }
    int Width() const { return width(); }
    int Height() const { return height(); }

    // Requests a full repaint.
    void Invalidate();
    // Shows what was drawn on the surface since the last paint.
    void Flush();

    // An opaque control paints every pixel itself; its container does not
    // paint underneath it first.
    bool Opaque() const { return testAttribute(Qt::WA_OpaquePaintEvent); }
    void setOpaque(bool opaque);

    // The colour of the container's background, resolved now.
    TColor ContainerColor() const;

    // Whether tooltips show: the control's own choice or, following its
    // container, the nearest container's "ShowHint".
    bool EffectiveShowHint(bool own, bool followContainer) const;
    // Answers a tooltip request: HINT over AREA (the whole screen when
    // empty) when it is to be shown and not empty, else no tooltip.
    void AnswerToolTip(const QHelpEvent& event, const QString& hint, bool shown, const QRect& area = {});

    // A mnemonic character offered by the window; true when handled.
    virtual bool DialogChar(QChar c);

    // Full repaints carried out so far (tests and the gallery look at it).
    int FullPaintCount() const { return FFullPaints; }

    // A full paint into a fresh image at the given device pixel ratio,
    // leaving the control's own surface alone.
    QImage PaintToImage(qreal ratio);

protected:
    // Draws the whole control on Canvas(); the surface is clear when called.
    virtual void Paint() = 0;
    // The one place a control hears that its palette changed (a scheme
    // switch among others), before the full repaint that follows: colours
    // derived from the palette and kept between paints are derived here.
    virtual void PaletteChanged() {}

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Makes sure the surface has the control's size at the window's device
    // pixel ratio, clearing it if not, and that the canvas resolves colours
    // through the control's palette.
    void PrepareSurface();

private:
    QImage FSurface;
    TCanvas FCanvas;
    bool FFullPending = true;
    int FFullPaints = 0;
};

// Whether the caption marks ch as its mnemonic: the character after the
// first "&" (a second "&" included), letters a-z compared without case.
bool IsAccelChar(QChar ch, const QString& caption);

// Offers a typed character to the windowless controls below root, in
// creation order, until one handles it.
bool OfferDialogChar(QWidget* root, QChar c);

} // namespace quindle
