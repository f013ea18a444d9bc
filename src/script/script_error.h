#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace sw4 {

// A mistake in a driver script (unknown command, control, property or item, a malformed number).
// It stops the run; it is never raised through the simulation's own code.
struct ScriptError : std::runtime_error {
  explicit ScriptError(const std::string& what, int status = 2)
      : std::runtime_error(what), status(status) {}
  int status;  // the driver's exit status: 2, or 3 for an `expect` that did not hold (4 is a
               // recording cut short)
};

// Where a run stopped on a script error: the 1-based line (0 for a failure of the whole script),
// the message and the exit status.
struct ScriptFailure {
  std::int64_t line = 0;
  std::string message;
  int status = 2;
};

}  // namespace sw4
