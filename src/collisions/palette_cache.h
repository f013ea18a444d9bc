#pragma once
#include <array>
#include <cstdint>

#include "core/world.h"
#include "platform/color.h"

namespace sw4 {

// The body-dot colour of each body, remembered between calls: it depends only on the body's
// number and type, the body count, the "Color" box and the class fields, which rarely change.
struct PaletteCache {
  struct Key {
    int totalPlanets = -1;
    int colorBox = -1;
    double giants = 0, waterworlds = 0, giantsLenient = 0;
    bool operator==(const Key&) const = default;
  };
  struct Entry {
    std::uint32_t epoch = 0;
    double type = -1;
    Color color = 0;
  };
  Key key;
  std::uint32_t epoch = 1;
  std::array<Entry, kBodySlots> entries{};
};

}  // namespace sw4
