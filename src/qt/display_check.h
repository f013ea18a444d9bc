#pragma once
#include <functional>

namespace sw4 {

// Whether a graphical session can be reached: a display (X11 or Wayland) is named, or a Qt
// platform plugin (such as offscreen) was chosen. getenv is the environment to ask.
bool displayAvailable(const std::function<const char*(const char*)>& getenv);

inline constexpr const char* kNoDisplayMessage =
    "sw4: no display found: set DISPLAY (or run under xvfb-run)";

}  // namespace sw4
