#pragma once

// A thin scroll bar that paints itself, as the credits box has.

#include <QRect>
#include <QScrollBar>

namespace quindle {

// A flat scroll bar of a given thickness (one pixel in the credits box): a
// dark thumb on the face colour, no arrows. It paints every pixel itself and
// only when its thumb moves, so a box that scrolls a pixel at a time does
// not repaint it on every step.
class TFlatScrollBar : public QScrollBar {
public:
    explicit TFlatScrollBar(Qt::Orientation orientation, int thickness = 1, QWidget* parent = nullptr);

    // Where the thumb is drawn for the current value.
    QRect ThumbRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void sliderChange(SliderChange change) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int Along(const QPoint& p) const { return orientation() == Qt::Vertical ? p.y() : p.x(); }
    int TrackLength() const { return orientation() == Qt::Vertical ? height() : width(); }
    // Moves the value so the thumb's middle comes under the pointer.
    void TrackTo(const QPoint& p);

    int FThickness;
    // Where the thumb was when a repaint was last asked for; painting changes nothing.
    QRect FShownThumb;
};

} // namespace quindle
