#include "qt/display_check.h"

namespace sw4 {

bool displayAvailable(const std::function<const char*(const char*)>& getenv) {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* v = getenv(name);
    if (v && *v) return true;
  }
  return false;
}

}  // namespace sw4
