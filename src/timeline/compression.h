#pragma once
#include <string>
#include <string_view>

namespace sw4 {

// Fast general-purpose compression (zstd at a low level) for what the timeline keeps.
std::string compress(std::string_view raw);
// The bytes compress() was given; empty when `packed` is not such a result.
std::string decompress(std::string_view packed);

}  // namespace sw4
