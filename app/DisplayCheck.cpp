#include "app/DisplayCheck.h"

#include <cstdlib>
#include <dlfcn.h>
#include <string_view>
#include <vector>

namespace quindle {

namespace {

// The client libraries are opened on demand: the Qt platform plugins link
// them anyway, and only the one in use needs to be present.
class TLibrary {
public:
    explicit TLibrary(const char* name) : FHandle(dlopen(name, RTLD_NOW | RTLD_LOCAL)) {}
    ~TLibrary()
    {
        if (FHandle)
            dlclose(FHandle);
    }
    template <class F>
    F Get(const char* symbol) const
    {
        return FHandle ? reinterpret_cast<F>(dlsym(FHandle, symbol)) : nullptr;
    }

private:
    void* FHandle;
};

bool X11Reachable()
{
    const TLibrary xcb("libxcb.so.1");
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = xcb.Get<Connect>("xcb_connect");
    const auto hasError = xcb.Get<HasError>("xcb_connection_has_error");
    const auto disconnect = xcb.Get<Disconnect>("xcb_disconnect");
    if (!connect || !hasError || !disconnect)
        return false;
    void* c = connect(nullptr, nullptr);
    // xcb_connect never returns null; a failed connection reports an error.
    const bool ok = c && hasError(c) == 0;
    if (c)
        disconnect(c);
    return ok;
}

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool WaylandReachable()
{
    // Without a runtime folder the client library only complains on stderr.
    if (Env("XDG_RUNTIME_DIR").empty() && Env("WAYLAND_DISPLAY").substr(0, 1) != "/")
        return false;
    const TLibrary wl("libwayland-client.so.0");
    using Connect = void* (*)(const char*);
    using Disconnect = void (*)(void*);
    const auto connect = wl.Get<Connect>("wl_display_connect");
    const auto disconnect = wl.Get<Disconnect>("wl_display_disconnect");
    if (!connect || !disconnect)
        return false;
    void* d = connect(nullptr);
    if (d)
        disconnect(d);
    return d != nullptr;
}

// Whether one entry of QT_QPA_PLATFORM ("xcb", "wayland:arg", ...) can run.
bool PlatformUsable(std::string_view entry)
{
    const std::string_view name = entry.substr(0, entry.find(':'));
    if (name == "xcb")
        return X11Reachable();
    if (name.substr(0, 7) == "wayland")
        return WaylandReachable();
    return true; // offscreen, minimal, vnc, ...: no display to reach
}

std::vector<std::string_view> Split(std::string_view list)
{
    std::vector<std::string_view> out;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        if (end != 0)
            out.push_back(list.substr(0, end));
        if (end == std::string_view::npos)
            break;
        list.remove_prefix(end + 1);
    }
    return out;
}

} // namespace

std::string DisplayProblem()
{
    const std::string chosen = Env("QT_QPA_PLATFORM");
    if (!chosen.empty()) {
        for (std::string_view entry : Split(chosen))
            if (PlatformUsable(entry))
                return {};
        return "cannot start: no usable display for QT_QPA_PLATFORM=" + chosen;
    }
    // Qt picks X11 or Wayland by the session; when only one of them can be
    // reached, that is the one to use.
    const bool x11 = X11Reachable();
    const bool wayland = WaylandReachable();
    if (x11 != wayland)
        setenv("QT_QPA_PLATFORM", x11 ? "xcb" : "wayland", 1);
    if (x11 || wayland)
        return {};
    const std::string display = Env("DISPLAY");
    if (display.empty() && Env("WAYLAND_DISPLAY").empty())
        return "cannot start: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    return "cannot start: cannot connect to the display" + (display.empty() ? std::string() : " " + display);
}

} // namespace quindle
