#pragma once

// Whether the pointer is over a control, as far as the window system tells.

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace quindle {

// X11 answers where the pointer is at any time. Wayland, and the offscreen
// platform the tests run on, only report it entering and leaving a window,
// which Qt turns into enter and leave events, and only when it moves.
bool PointerPositionKnown();

// Whether the pointer is over the control and its input reaches it: the
// control is shown, no modal window blocks its window and, where the
// position can be asked, the pointer is on the control and not on a window
// above it; elsewhere, Qt's last enter or leave says.
bool PointerOver(const QWidget* control);

// Tells a control that the pointer has left it although no leave came: a
// modal window opened over its window, or a look after a handler ran found
// it elsewhere. Armed while the control shows or holds something the
// pointer leaving ends (a hover look, a press).
class TPointerWatch : public QObject {
public:
    // A press also ends when the window loses activation, as losing the
    // pointer capture does; a hover outlives it.
    enum TEnds : quint8 { OnBlocked, OnBlockedOrDeactivated };

    TPointerWatch(QWidget* control, TEnds ends, std::function<void()> left);

    void Arm();
    void Disarm();
    bool Armed() const { return FWindow != nullptr; }
    // Disarms and reports the leaving when the pointer is no longer over
    // the control; true when it did.
    bool Recheck();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Left();

    QWidget* FControl;
    TEnds FEnds;
    std::function<void()> FLeft;
    QPointer<QWidget> FWindow;
};

} // namespace quindle
