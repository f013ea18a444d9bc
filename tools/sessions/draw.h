#pragma once
#include <cstdint>
#include <vector>

namespace sw4::robust {

// The generator's own random numbers (splitmix64): one seed gives the same session on every
// machine, and nothing here touches the program's generator.
class Draw {
 public:
  explicit Draw(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A whole number in 0..n-1 (n > 0).
  std::uint64_t below(std::uint64_t n) { return next() % n; }
  // A whole number in lo..hi.
  std::int64_t between(std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(below(static_cast<std::uint64_t>(hi - lo) + 1));
  }
  // True with probability p.
  bool chance(double p) { return unit() < p; }
  // A double in [0, 1).
  double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
  template <typename T>
  const T& pick(const std::vector<T>& v) {
    return v[below(v.size())];
  }

 private:
  std::uint64_t state_;
};

}  // namespace sw4::robust
