#pragma once

// Placing a window by its frame and asking the window manager for a close box only.

#include <QPoint>
#include <QRect>

class QWidget;

namespace quindle {

// Puts the window's outer frame, title bar included, at `frameTopLeft`.
// Call from showEvent, before the window is mapped: only then can the
// window manager be told that the position is the frame's.
void PlaceFrame(QWidget* window, QPoint frameTopLeft);

// The same, moved the least distance that puts the whole frame on
// `monitor`; before the window manager frames it only the client's size is
// known, so it is fitted again once the window is mapped.
void PlaceFrame(QWidget* window, QPoint frameTopLeft, QRect monitor);

// Asks the window manager for a title bar with a close box only: no
// minimise, no maximise, no resizing. Call from showEvent.
void CloseBoxOnly(QWidget* window);

}
