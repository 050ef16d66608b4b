#pragma once

// Where a window opens on a desktop of one or more monitors.

#include <QList>
#include <QPoint>
#include <QRect>

namespace quindle {

// The top-left of `frame` moved the least distance that puts it wholly on
// `monitor`; a frame larger than the monitor keeps its top-left on it.
QPoint FitOnMonitor(QRect frame, QRect monitor);

// The top-left of a frame of size `outer` centred on `monitor`, never left
// of or above it.
QPoint CentreOnMonitor(QSize outer, QRect monitor);

// Whether some of `titleBar` lies on one of `monitors`, so the player can
// grab it.
bool OnSomeMonitor(QRect titleBar, const QList<QRect>& monitors);

}
