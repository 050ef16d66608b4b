#include "shell/WindowFrame.h"

#include "shell/Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <cstring>
#include <optional>

#if QUINDLE_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace quindle {

namespace {
// Sets the frame position on the native window's own show event, the last
// moment before it is mapped: resizing the widget on its way there would
// turn the position back into the client area's. Given a monitor, it then
// waits for the first exposure, when the frame is known, to keep it there.
class TFramePlacer : public QObject {
public:
    TFramePlacer(QWindow* window, QPoint frameTopLeft, std::optional<QRect> monitor)
        : QObject(window), FAt(frameTopLeft), FMonitor(monitor)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Show) {
            window->setFramePosition(FAt);
            if (!FMonitor)
                Done(window);
        } else if (event->type() == QEvent::Expose && window->isExposed()) {
            const QRect outer = window->frameGeometry();
            if (outer != window->geometry() && !FMonitor->contains(outer))
                window->setFramePosition(FitOnMonitor(outer, *FMonitor));
            Done(window);
        }
        return false;
    }

private:
    void Done(QWindow* window)
    {
        window->removeEventFilter(this);
        deleteLater();
    }

    QPoint FAt;
    std::optional<QRect> FMonitor;
};

void Place(QWidget* window, QPoint frameTopLeft, std::optional<QRect> monitor)
{
    // Fitted by the size known now: before the window is framed, the client's.
    const QPoint at = monitor ? FitOnMonitor(QRect(frameTopLeft, window->frameGeometry().size()), *monitor)
                              : frameTopLeft;
    window->move(at);
    QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    if (handle->isVisible())
        handle->setFramePosition(at);
    else
        new TFramePlacer(handle, at, monitor);
}
}

void PlaceFrame(QWidget* window, QPoint frameTopLeft) { Place(window, frameTopLeft, std::nullopt); }

void PlaceFrame(QWidget* window, QPoint frameTopLeft, QRect monitor) { Place(window, frameTopLeft, monitor); }

namespace {
#if QUINDLE_HAVE_XCB
// The Motif hints that Qt writes always allow resizing.
void WriteMotifHints(xcb_connection_t* c, xcb_window_t w)
{
    constexpr char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    if (!atom)
        return;
    enum : std::uint32_t { Functions = 1, Decorations = 2 };
    enum : std::uint32_t { FuncMove = 4, FuncClose = 32 };
    enum : std::uint32_t { DecorBorder = 2, DecorTitle = 8, DecorMenu = 16 };
    const std::uint32_t hints[5] = {Functions | Decorations, FuncMove | FuncClose,
                                    DecorBorder | DecorTitle | DecorMenu, 0, 0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom->atom, atom->atom, 32, 5, hints);
    xcb_flush(c);
    std::free(atom);
}
#endif
}

void CloseBoxOnly([[maybe_unused]] QWidget* window)
{
#if QUINDLE_HAVE_XCB
    // The interface is there on every platform; only X11 has a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && window->windowHandle())
        WriteMotifHints(x11->connection(), static_cast<xcb_window_t>(window->winId()));
#endif
}

}
