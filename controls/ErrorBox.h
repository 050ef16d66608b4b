#pragma once

// Errors raised inside handlers and the box that reports them.

#include <QString>

#include <stdexcept>
#include <utility>

namespace quindle {

// An error the framework raises inside a handler, such as a clip that cannot
// be opened; the application reports it and carries on.
class EError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message as the error box shows it: a full stop is added when the last
// character sorts after "." (so "...", "!" or ")" stay as they are).
QString ErrorBoxText(const QString& message);

// Shows the application's error box: titled with the application title, an
// error icon, an OK button and the message. Returns when it is closed.
void ShowErrorBox(const QString& message);

// Reports an exception that escaped a handler.
void HandleException(const std::exception& e);

// Runs a handler; an exception that escapes it ends the handler and is
// reported, and the caller carries on.
template <class F>
void Guarded(F&& handler)
{
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleException(std::runtime_error("Unknown error"));
    }
}

} // namespace quindle
