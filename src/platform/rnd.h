#pragma once
#include <array>
#include <cstdint>

namespace sw4 {

// The one seedable uniform generator of the program (xoshiro128**). Next() returns a float in
// [0, 1) built from 24 random bits, so it is never 1.0.
class Rnd {
 public:
  Rnd() { seed(0.0); }
  void seed(double s);
  float next() { return static_cast<float>(nextBits()) * (1.0f / 16777216.0f); }
  // The 24 random bits that next() divides by 2^24.
  std::uint32_t nextBits() {
    const std::uint32_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 11);
    return result >> 8;
  }
  std::array<std::uint32_t, 4> state() const { return {s_[0], s_[1], s_[2], s_[3]}; }
  void setState(const std::array<std::uint32_t, 4>& s) {
    for (int i = 0; i < 4; ++i) s_[i] = s[i];
  }

 private:
  static std::uint32_t rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }
  std::uint32_t s_[4];
};

}  // namespace sw4
