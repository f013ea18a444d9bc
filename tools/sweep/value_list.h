#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sw4::sweep {

// A mistake in what the sweep was asked to do; the message names it.
struct SweepError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The values of a --vary or --seeds: "FROM:TO:COUNT" is COUNT numbers evenly spaced from FROM to
// TO, both included; "FROM:TO" the whole numbers from FROM to TO; "A,B,C" the values as written.
// Numbers are written in the general form of at most 15 significant digits.
std::vector<std::string> valueList(std::string_view text);

}  // namespace sw4::sweep
