#pragma once
#include <cstdint>

namespace sw4 {

// Packed RGB with red in the low byte.
using Color = std::int32_t;

constexpr Color rgb(int r, int g, int b) { return (r & 255) | ((g & 255) << 8) | ((b & 255) << 16); }
constexpr int redOf(Color c) { return c & 255; }
constexpr int greenOf(Color c) { return (c >> 8) & 255; }
constexpr int blueOf(Color c) { return (c >> 16) & 255; }

}  // namespace sw4
