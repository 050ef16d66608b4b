#include "controls/GraphicControl.h"

#include <QPainter>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QToolTip>

namespace quindle {

TGraphicControl::TGraphicControl(QWidget* parent) : QWidget(parent), FCanvas(&FSurface)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void TGraphicControl::Invalidate()
{
    FFullPending = true;
    update();
}

void TGraphicControl::Flush() { update(); }

void TGraphicControl::setOpaque(bool opaque)
{
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    Invalidate();
}

TColor TGraphicControl::ContainerColor() const
{
    const QWidget* container = parentWidget() ? parentWidget() : this;
    return QColorToColor(container->palette().color(container->backgroundRole()));
}

void TGraphicControl::PrepareSurface()
{
    // Follows the window onto denser screens, where the surface holds more
    // pixels than the control's logical size.
    const qreal ratio = devicePixelRatioF();
    const QSize logical = size().expandedTo(QSize(1, 1));
    if (FSurface.size() != TCanvas::DeviceSize(logical, ratio) || FSurface.devicePixelRatio() != ratio) {
        FSurface = TCanvas::NewSurface(logical, ratio, QImage::Format_ARGB32_Premultiplied);
        FCanvas.setTarget(&FSurface);
        FFullPending = true;
    }
    FCanvas.Palette = palette();
}

QImage TGraphicControl::PaintToImage(qreal ratio)
{
    QImage image = TCanvas::NewSurface(size().expandedTo(QSize(1, 1)), ratio, QImage::Format_ARGB32_Premultiplied);
    QImage* own = FCanvas.Target();
    FCanvas.setTarget(&image);
    FCanvas.Palette = palette();
    Paint();
    FCanvas.setTarget(own);
    return image;
}

void TGraphicControl::paintEvent(QPaintEvent* event)
{
    PrepareSurface();
    if (FFullPending) {
        FFullPending = false;
        FSurface.fill(Qt::transparent);
        ++FFullPaints;
        Paint();
    }
    QPainter p(this);
    p.setCompositionMode(Opaque() ? QPainter::CompositionMode_Source : QPainter::CompositionMode_SourceOver);
    const QRect dirty = event->rect();
    const qreal ratio = FSurface.devicePixelRatio();
    p.drawImage(QRectF(dirty), FSurface,
                QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
}

void TGraphicControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        PaletteChanged();
        Invalidate();  // system colours resolve anew in another scheme
    }
}

void TGraphicControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FFullPending = true;
}

void TGraphicControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FFullPending = true;
}

bool TGraphicControl::DialogChar(QChar) { return false; }

void TGraphicControl::AnswerToolTip(const QHelpEvent& event, const QString& hint, bool shown, const QRect& area)
{
    if (shown && !hint.isEmpty())
        QToolTip::showText(event.globalPos(), hint, this, area);
    else
        QToolTip::hideText();
}

bool TGraphicControl::EffectiveShowHint(bool own, bool followContainer) const
{
    if (followContainer)
        for (const QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            const QVariant inherited = w->property("ShowHint");
            if (inherited.isValid())
                return inherited.toBool();
        }
    return own;
}

bool IsAccelChar(QChar ch, const QString& caption)
{
    const qsizetype amp = caption.indexOf(QLatin1Char('&'));
    if (amp < 0 || amp == caption.size() - 1)
        return false;
    const QChar marked = caption[amp + 1];
    auto asciiLetter = [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    };
    if (asciiLetter(marked) && asciiLetter(ch))
        return marked.toLower() == ch.toLower();
    return marked == ch;
}

bool OfferDialogChar(QWidget* root, QChar c)
{
    for (TGraphicControl* control : root->findChildren<TGraphicControl*>())
        if (control->isVisible() && control->DialogChar(c))
            return true;
    return false;
}

} // namespace quindle
