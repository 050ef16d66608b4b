#include "shell/Placement.h"

#include <algorithm>

namespace quindle {

QPoint FitOnMonitor(QRect frame, QRect monitor)
{
    // Right and bottom first, so a frame too large for the monitor ends up
    // at its left and top edges.
    const int x = std::max(monitor.left(), std::min(frame.left(), monitor.left() + monitor.width() - frame.width()));
    const int y = std::max(monitor.top(), std::min(frame.top(), monitor.top() + monitor.height() - frame.height()));
    return {x, y};
}

QPoint CentreOnMonitor(QSize outer, QRect monitor)
{
    return {monitor.left() + std::max(0, (monitor.width() - outer.width()) / 2),
            monitor.top() + std::max(0, (monitor.height() - outer.height()) / 2)};
}

bool OnSomeMonitor(QRect titleBar, const QList<QRect>& monitors)
{
    return std::any_of(monitors.begin(), monitors.end(),
                       [&](const QRect& m) { return m.intersects(titleBar); });
}

}
