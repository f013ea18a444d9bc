#pragma once
#include <stdexcept>
#include <string>

namespace sw4 {

// A mistake in a driver script (unknown command, control, property or item, a malformed number).
// It stops the run; it is never raised through the simulation's own code.
struct ScriptError : std::runtime_error {
  explicit ScriptError(const std::string& what) : std::runtime_error(what) {}
};

// Where a run stopped on a script error: the 1-based line and the message.
struct ScriptFailure {
  int line = 0;
  std::string message;
};

}  // namespace sw4
