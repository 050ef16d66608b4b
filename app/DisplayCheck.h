#pragma once

#include <string>

namespace quindle {

// Whether the windowing system Qt is about to use can be reached. Empty when
// it can (or when it is a platform without a display, such as offscreen),
// otherwise a one-line reason for the player. Looked at before the
// application object exists, which would abort on an unusable display.
// With no platform chosen and only one of X11 and Wayland reachable, it
// chooses that one for Qt.
std::string DisplayProblem();

} // namespace quindle
