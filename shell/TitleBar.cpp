#include "shell/TitleBar.h"

#include "paint/Schemes.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWindow>

namespace quindle {

namespace {
constexpr int BarHeight = 20;
constexpr int BoxWidth = 16, BoxHeight = 14;
}

TTitleBar::TTitleBar(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("TitleBar"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    window->installEventFilter(this);
}

QSize TTitleBar::sizeHint() const { return {parentWidget()->width(), BarHeight}; }

QRect TTitleBar::CloseBoxRect() const
{
    return {width() - BoxWidth - 3, (height() - BoxHeight) / 2, BoxWidth, BoxHeight};
}

void TTitleBar::paintEvent(QPaintEvent*)
{
    // The caption in the scheme's selection colours while active, in its
    // shadow and face otherwise; the close box is a face-coloured button.
    QPainter p(this);
    const QPalette& pal = palette();
    const QColor face = pal.color(QPalette::Button), light = pal.color(QPalette::Light),
                 frame = pal.color(QPalette::Shadow), ink = pal.color(QPalette::ButtonText);
    const bool active = window()->isActiveWindow();
    p.fillRect(rect(), pal.color(active ? QPalette::Highlight : QPalette::Dark));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(active ? pal.color(QPalette::HighlightedText) : ReadableOn(face, pal.color(QPalette::Dark), false, SchemeOf(pal)));
    const QRect text = rect().adjusted(4, 0, -(BoxWidth + 8), 0);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, text.width()));

    // A raised box that looks pushed in while held.
    const QRect box = CloseBoxRect();
    const bool down = FCloseDown && FCloseHot;
    p.fillRect(box, face);
    p.setPen(down ? frame : light);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(down ? light : frame);
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    const QPoint c = box.center() + (down ? QPoint(1, 1) : QPoint());
    p.setPen(QPen(ink, 2));
    p.drawLine(c + QPoint(-3, -3), c + QPoint(3, 3));
    p.drawLine(c + QPoint(-3, 3), c + QPoint(3, -3));
}

void TTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (CloseBoxRect().contains(event->position().toPoint())) {
        FCloseDown = FCloseHot = true;
        update();
    } else {
        // Not yet: a move begun on the press can outlive a quick click in
        // the compositor, which then drags the window with the next motion.
        FDragArmed = true;
        FPressAt = event->position().toPoint();
    }
}

void TTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (FDragArmed && (event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - FPressAt).manhattanLength()
               >= QGuiApplication::styleHints()->startDragDistance()) {
        FDragArmed = false;
        StartMove();
    }
    const bool hot = CloseBoxRect().contains(event->position().toPoint());
    if (FCloseDown && hot != FCloseHot) {
        FCloseHot = hot;
        update();
    }
}

void TTitleBar::StartMove()
{
    if (QWindow* w = window()->windowHandle())
        w->startSystemMove();
}

void TTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FDragArmed = false;
    if (event->button() != Qt::LeftButton || !FCloseDown)
        return;
    const bool close = CloseBoxRect().contains(event->position().toPoint());
    FCloseDown = FCloseHot = false;
    update();
    if (close)
        window()->close();  // as the window manager's close box: the window may refuse
}

bool TTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize: setGeometry(0, 0, static_cast<QWidget*>(watched)->width(), BarHeight); break;
    case QEvent::WindowTitleChange:
    case QEvent::ActivationChange: update(); break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

TTitleBar* AttachTitleBar(QWidget* window)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    // Under Wayland the widget's flag does not reach its native window;
    // without it the platform draws its own title bar as well.
    window->winId();
    window->windowHandle()->setFlags(window->windowHandle()->flags() | Qt::FramelessWindowHint);
    auto* bar = new TTitleBar(window);
    if (window->layout()) {
        const QMargins m = window->contentsMargins();
        window->setContentsMargins(m.left(), m.top() + BarHeight, m.right(), m.bottom());
    } else {
        for (QObject* child : window->children())
            if (auto* w = qobject_cast<QWidget*>(child); w && w != bar && !w->isWindow())
                w->move(w->x(), w->y() + BarHeight);
        window->resize(window->width(), window->height() + BarHeight);
    }
    bar->setGeometry(0, 0, window->width(), BarHeight);
    bar->raise();
    return bar;
}

void UseOwnTitleBarIfClientDrawn(QWidget* window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        AttachTitleBar(window);
}

}
