#pragma once

// The spin edit's step button: a square split by its diagonal into an
// upper-left "up" and a lower-right "down" half, repeating while held.

#include "controls/GraphicControl.h"
#include "controls/PointerModel.h"

#include <QImage>
#include <QPointer>

#include <cstdint>

class QTimer;

namespace quindle {

enum class TSpinHalf : std::uint8_t { None, Top, Bottom };

// The step button: windowless, one bitmap per pressed state.
class TNumSpinButton : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QImage UpGlyph READ UpGlyph WRITE setUpGlyph)
    Q_PROPERTY(QImage DownGlyph READ DownGlyph WRITE setDownGlyph)
    Q_PROPERTY(QWidget* FocusControl READ FocusControl WRITE setFocusControl)
public:
    explicit TNumSpinButton(QWidget* parent = nullptr);

    // A null image restores the built-in arrow.
    QImage UpGlyph() const { return FUpGlyph; }
    void setUpGlyph(const QImage& glyph);
    QImage DownGlyph() const { return FDownGlyph; }
    void setDownGlyph(const QImage& glyph);

    // Takes the keyboard focus when the button is pressed.
    QWidget* FocusControl() const { return FFocusControl; }
    void setFocusControl(QWidget* control) { FFocusControl = control; }

    // The half a point of the button belongs to.
    TSpinHalf HalfAt(const QPoint& p) const;
    TSpinHalf PressedHalf() const { return FPressedHalf; }
    bool Tracking() const { return FTracking; }
    // The look with the given half pressed (None: at rest), at the device
    // pixel ratio being painted.
    const QImage& StateImage(TSpinHalf half);
    // Created by the first press; runs only while the press holds the pointer.
    QTimer* AutoRepeat() const { return FAutoRepeat; }

signals:
    void OnTopClick();
    void OnBottomClick();

protected:
    void Paint() override;
    void PaletteChanged() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RenderState(QImage& image, TSpinHalf half, qreal ratio) const;
    void RenderAllStates(qreal ratio);
    void InvalidateImages();
    void DrawNow();
    void Track(const QPoint& p);
    void Click(TSpinHalf half);
    void DoTopClick();
    void DoBottomClick();
    void RepeatTick();
    void BeginCapture();
    void EndCapture();
    // Disabled or hidden: the press ends there and then.
    void EndPress();

    TSpinHalf FPressedHalf = TSpinHalf::None;
    QImage FUpGlyph;
    QImage FDownGlyph;
    bool FTracking = false;
    bool FImagesStale = false;
    QImage FTopPressedImage;
    QImage FBottomPressedImage;
    QTimer* FAutoRepeat = nullptr;
    QImage FNormalImage;
    TSpinHalf FPressStartHalf = TSpinHalf::None;
    QPointer<QWidget> FFocusControl;
    // Armed while the left button went down on the button and has not come
    // up, and nothing (a modal window, a deactivation) has taken the pointer.
    TPointerWatch FCapture{this, TPointerWatch::OnBlockedOrDeactivated, [this] { EndCapture(); }};
    // The repeat timer was stopped only because the capture ended.
    bool FRepeatParked = false;
};

} // namespace quindle
