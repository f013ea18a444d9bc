#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace sw4 {

// One thing a script can print, and maybe set, resolved once from its name.
struct Item {
  // The value as the driver prints it.
  std::function<std::string()> read;
  // Checks VALUE (ScriptError when it does not fit) and gives the action that stores it; empty
  // for a read-only item.
  std::function<std::function<void()>(std::string_view value)> prepareSet;
};

}  // namespace sw4
