#include "platform/GraphicControl.h"

#include <QPainter>
#include <QPaintEvent>

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

void TGraphicControl::SetOpaque(bool opaque)
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
    if (FSurface.size() != size()) {
        FSurface = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        FSurface.fill(Qt::transparent);
        FCanvas.SetTarget(&FSurface);
        FFullPending = true;
    }
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
    p.drawImage(event->rect(), FSurface, event->rect());
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
