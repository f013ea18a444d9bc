#pragma once
// The body arrays' size: bodies 0 (the sun) to kMaxBody.
#include <array>

namespace sw4 {

inline constexpr int kBodySlots = 1000;
inline constexpr int kMaxBody = kBodySlots - 1;

using BodyDoubles = std::array<double, kBodySlots>;

inline bool isBody(int i) {
  return i >= 0 && i <= kMaxBody;
}

}  // namespace sw4
