#pragma once
#include <stdexcept>
#include <string>

namespace sw4 {

class Control;

// A run-time error inside a handler (a text that is not a number, a 16-bit overflow, a body
// number outside the arrays). The event dispatcher catches it: the rest of that handler is
// skipped and the program goes on.
// `source` is the control whose text could not be read, when that was the fault.
struct Fault : std::runtime_error {
  explicit Fault(const std::string& what, const Control* source = nullptr)
      : std::runtime_error(what), source(source) {}
  const Control* source;
};

}  // namespace sw4
