#pragma once

// The close-box-only title bar the game draws itself under Wayland.

#include <QWidget>

namespace quindle {

// A title bar the window draws itself: its caption and a close box, nothing
// else. Used where the platform's own title bar would offer minimise and
// maximise boxes it cannot honour (Wayland's client-side title bar, where
// maximising a fixed-size window ends the connection).
class TTitleBar : public QWidget {
    Q_OBJECT
public:
    explicit TTitleBar(QWidget* window);

    QSize sizeHint() const override;
    QRect CloseBoxRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Hands the move to the window system; called once per drag.
    virtual void StartMove();

private:
    bool FCloseDown = false;  // the close box is held
    bool FCloseHot = false;   // ... and the pointer is over it
    bool FDragArmed = false;  // the bar is held, the window not yet moving
    QPoint FPressAt;
};

// Gives a top-level window its own title bar when the platform draws title
// bars in the client (Wayland); elsewhere does nothing. Call once the
// layout is loaded and before the window is first shown.
void UseOwnTitleBarIfClientDrawn(QWidget* window);

// Frameless window, title bar at the top, the contents moved down below it
// and the window grown by its height.
TTitleBar* AttachTitleBar(QWidget* window);

}
