#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace quindle {

// What Qt says while the application object starts, held back. A platform
// Qt tried and left complains before Qt says it could not load it; those
// complaints are dropped, the rest is shown once the application is up.
class TStartMessages {
public:
    struct TMessage {
        QtMsgType Type;
        QString Text;  // formatted as Qt would print it
    };

    void Add(QtMsgType type, const char* category, const QString& text);
    const std::vector<TMessage>& Kept() const { return FKept; }

private:
    std::vector<TMessage> FKept;
};

// Qt aborts with a core dump when no platform starts. While one of these
// lives, around the application's construction, that ends the game with one
// line for the player and status 1 instead, and Qt's other messages are held
// in a TStartMessages, shown when it ends.
// With no platform chosen, Qt tries Wayland before X11 in a Wayland session
// and X11 alone otherwise; behind X11 it adds Wayland, so a game started
// where only a Wayland display is reachable still opens.
class TDisplayCheck {
public:
    TDisplayCheck();
    ~TDisplayCheck();
    TDisplayCheck(const TDisplayCheck&) = delete;
    TDisplayCheck& operator=(const TDisplayCheck&) = delete;
};

// The line for the player when no display could be used, from what the game
// was started with: the platforms the player chose (or none) and the
// DISPLAY and WAYLAND_DISPLAY it had.
std::string NoDisplayReason(const std::string& chosen, const std::string& display, const std::string& wayland);

} // namespace quindle
