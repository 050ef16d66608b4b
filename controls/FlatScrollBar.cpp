#include "controls/FlatScrollBar.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quindle {

namespace {
const int kMinThumb = 8;
}

TFlatScrollBar::TFlatScrollBar(Qt::Orientation orientation, int thickness, QWidget* parent)
    : QScrollBar(orientation, parent), FThickness(thickness)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TFlatScrollBar::sizeHint() const
{
    return orientation() == Qt::Vertical ? QSize(FThickness, kMinThumb) : QSize(kMinThumb, FThickness);
}

QSize TFlatScrollBar::minimumSizeHint() const { return sizeHint(); }

QRect TFlatScrollBar::ThumbRect() const
{
    const int track = TrackLength();
    const qint64 range = qint64(maximum()) - minimum();
    int length = track, start = 0;
    if (range > 0) {
        length = std::clamp(int(qint64(track) * pageStep() / (range + pageStep())), std::min(kMinThumb, track), track);
        start = int(qint64(track - length) * (value() - minimum()) / range);
    }
    return orientation() == Qt::Vertical ? QRect(0, start, width(), length) : QRect(start, 0, length, height());
}

void TFlatScrollBar::sliderChange(SliderChange change)
{
    // A new value that leaves the thumb where it is shown shows nothing new.
    const QRect thumb = ThumbRect();
    if (change == SliderValueChange && thumb == FShownThumb)
        return;
    FShownThumb = thumb;
    QScrollBar::sliderChange(change);
}

void TFlatScrollBar::resizeEvent(QResizeEvent* event)
{
    FShownThumb = ThumbRect();  // the repaint a resize brings shows it there
    QScrollBar::resizeEvent(event);
}

void TFlatScrollBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    p.fillRect(ThumbRect(), palette().dark());
}

void TFlatScrollBar::TrackTo(const QPoint& pos)
{
    const QRect thumb = ThumbRect();
    const int length = orientation() == Qt::Vertical ? thumb.height() : thumb.width();
    const int free = TrackLength() - length;
    if (free <= 0)
        return;
    const int at = std::clamp(Along(pos) - length / 2, 0, free);
    setValue(minimum() + int((qint64(maximum()) - minimum()) * at / free));
}

void TFlatScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setSliderDown(true);
    TrackTo(event->position().toPoint());
}

void TFlatScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    if (isSliderDown())
        TrackTo(event->position().toPoint());
}

void TFlatScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setSliderDown(false);
}

} // namespace quindle
