#pragma once
#include <cstdint>
#include <string>

namespace sw4 {

class Sim;

// A 64-bit FNV-1a hash of everything a replay must reproduce: the body arrays, the world's
// variables, the generator's state, every control's text and value, the drawing area's size and
// the surface's pixels (at its own device pixel ratio, which a recording carries along).
std::uint64_t worldHash(const Sim& sim);
// 16 lowercase hex digits.
std::string formatHash(std::uint64_t h);

}  // namespace sw4
