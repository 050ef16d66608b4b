#pragma once

#include <chrono>

namespace quindle {

// Qt's raster engine draws large images on pooled threads. An ending
// application waits for their work, not for the threads themselves: each
// frees its own record only as it ends, so a process may exit, and a leak
// checker judge it, while they are still going. Call once the application
// is gone; returns as soon as no pooled thread is left, or after `limit`.
// Only the sanitizer build waits: elsewhere nothing judges the exit, and
// this returns at once.
void AwaitPooledThreadsEnded(std::chrono::milliseconds limit = std::chrono::seconds(2));

} // namespace quindle
