#include "platform/rnd.h"

#include <bit>
#include <cmath>

namespace sw4 {

namespace {
std::uint64_t splitmix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
}  // namespace

void Rnd::seed(double s) {
  if (!std::isfinite(s)) s = 0.0;
  if (s == 0.0) s = 0.0;  // -0 and +0 give one sequence
  std::uint64_t x = std::bit_cast<std::uint64_t>(s);
  const std::uint64_t a = splitmix(x);
  const std::uint64_t b = splitmix(x);
  s_[0] = static_cast<std::uint32_t>(a);
  s_[1] = static_cast<std::uint32_t>(a >> 32);
  s_[2] = static_cast<std::uint32_t>(b);
  s_[3] = static_cast<std::uint32_t>(b >> 32) | 1u;  // never the all-zero state
}

}  // namespace sw4
