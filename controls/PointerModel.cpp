#include "controls/PointerModel.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace quindle {

bool PointerPositionKnown() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

bool PointerOver(const QWidget* control)
{
    if (!control->isVisible())
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && control->window() != modal)
        return false;
    // Asked, the server also knows which window is on top at that point.
    if (PointerPositionKnown())
        return QApplication::widgetAt(QCursor::pos()) == control;
    return control->underMouse();
}

TPointerWatch::TPointerWatch(QWidget* control, TEnds ends, std::function<void()> left)
    : FControl(control), FEnds(ends), FLeft(std::move(left))
{
}

void TPointerWatch::Arm()
{
    QWidget* window = FControl->window();
    if (FWindow == window)
        return;
    if (FWindow)
        FWindow->removeEventFilter(this);
    FWindow = window;
    FWindow->installEventFilter(this);
}

void TPointerWatch::Disarm()
{
    if (FWindow)
        FWindow->removeEventFilter(this);
    FWindow = nullptr;
}

bool TPointerWatch::Recheck()
{
    if (PointerOver(FControl))
        return false;
    Left();
    return true;
}

void TPointerWatch::Left()
{
    Disarm();
    FLeft();
}

bool TPointerWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FWindow
        && (event->type() == QEvent::WindowBlocked
            || (FEnds == OnBlockedOrDeactivated && event->type() == QEvent::WindowDeactivate)))
        Left();
    return QObject::eventFilter(watched, event);
}

} // namespace quindle
