#include "app/DisplayCheck.h"

#include <cstdio>
#include <cstdlib>

namespace quindle {

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

TStartMessages* Held = nullptr;
QtMessageHandler Previous = nullptr;
std::string Reason;  // decided before Qt is asked

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // The only fatal message while the application starts: no platform.
        std::fprintf(stderr, "quindle: %s\n", Reason.c_str());
        std::_Exit(1);
    }
    Held->Add(type, context.category, qFormatLogMessage(type, context, text));
}

} // namespace

void TStartMessages::Add(QtMsgType type, const char* category, const QString& text)
{
    if (category && qstrcmp(category, "qt.qpa.plugin") == 0 && text.contains(QLatin1String("Could not load"))) {
        FKept.clear();  // what the plugin it left said, and this
        return;
    }
    FKept.push_back({type, text});
}

TDisplayCheck::TDisplayCheck()
{
    const std::string chosen = Env("QT_QPA_PLATFORM");
    Reason = NoDisplayReason(chosen, Env("DISPLAY"), Env("WAYLAND_DISPLAY"));
    // Otherwise Qt's own choice already has X11 behind Wayland; without a
    // runtime folder there is no Wayland display to find.
    if (chosen.empty() && Env("WAYLAND_DISPLAY").empty() && Env("XDG_SESSION_TYPE") != "wayland"
        && !Env("XDG_RUNTIME_DIR").empty())
        setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
    Held = new TStartMessages;
    Previous = qInstallMessageHandler(Hold);
}

TDisplayCheck::~TDisplayCheck()
{
    qInstallMessageHandler(Previous);
    for (const TStartMessages::TMessage& m : Held->Kept())
        std::fprintf(stderr, "%s\n", qPrintable(m.Text));
    delete Held;
    Held = nullptr;
}

std::string NoDisplayReason(const std::string& chosen, const std::string& display, const std::string& wayland)
{
    if (!chosen.empty())
        return "cannot start: no usable display for QT_QPA_PLATFORM=" + chosen;
    if (display.empty() && wayland.empty())
        return "cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    return "cannot start: cannot connect to the display" + (display.empty() ? std::string() : " " + display);
}

} // namespace quindle
