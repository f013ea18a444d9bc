#pragma once
#include <cstdint>
#include <string>

namespace sw4 {

class Sim;

// The versions of worldHash: a recording's header names the one its checks were written with.
inline constexpr int kWorldHashVersion = 1;  // the latest
bool knownWorldHashVersion(long version);

// A 64-bit FNV-1a hash of everything a replay must reproduce: the body arrays, the world's
// variables, the generator's state, every control's text and value, the drawing area's size and
// the surface's pixels (at its own device pixel ratio, which a recording carries along).
// Version 1 covers the variables and controls frozen in world_hash_v1.h.
std::uint64_t worldHash(const Sim& sim, int version = kWorldHashVersion);
// 16 lowercase hex digits.
std::string formatHash(std::uint64_t h);

}  // namespace sw4
