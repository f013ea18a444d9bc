#pragma once
// What the drawing remembers between calls, kept with the rest of the state; the drawing
// (drawing/) fills it in.
#include <array>
#include <cstdint>

#include "model/body_slots.h"
#include "platform/color.h"

namespace sw4 {

// The body-dot colour of each body. It depends only on the body's number and type, the body
// count, the "Color" box and the class fields, which change rarely: when `key` differs from
// them, `epoch` moves on and every entry is stale.
struct PaletteMemo {
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

// Where and how a body's dot is drawn: its drawing position, spread and colour; the colour as a
// pixel word, and whether every offset of the spread keeps the dot in 0..32767 twips.
struct DotStyle {
  int x = 0, y = 0, spread = 0;
  Color color = 0;
  std::uint32_t word = 0;
  bool inRange = false;
};

// The dot styles of the bodies as the gravity pass uses them.
using DotMemo = std::array<DotStyle, kBodySlots>;

}  // namespace sw4
