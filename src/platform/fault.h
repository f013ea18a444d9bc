#pragma once
#include <stdexcept>
#include <string>

namespace sw4 {

// A run-time error inside a handler (a text that is not a number, a 16-bit overflow, a body
// number outside the arrays). The event dispatcher catches it: the rest of that handler is
// skipped and the program goes on.
struct Fault : std::runtime_error {
  explicit Fault(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace sw4
