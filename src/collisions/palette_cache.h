#pragma once
#include <array>
#include <cstdint>

#include "core/world.h"
#include "platform/color.h"

namespace sw4 {

class Sim;

// The body-dot colour of each body, remembered between calls: it depends only on the body's
// number and type, the body count, the "Color" box and the class fields, which change rarely.
// refresh() notices a change of those inputs; fill() computes one body's colour.
class PaletteCache {
 public:
  struct Entry {
    std::uint32_t epoch = 0;
    double type = -1;
    Color color = 0;
  };

  void refresh(const Sim& sim);
  // The colour of body b's dot (before the watched-body highlight).
  Color colorOf(const Sim& sim, int b, double type) {
    Entry& e = entries_[b];
    if (e.epoch != epoch_ || e.type != type) fill(sim, b, type);
    return e.color;
  }

 private:
  struct Key {
    int totalPlanets = -1;
    int colorBox = -1;
    double giants = 0, waterworlds = 0, giantsLenient = 0;
    bool operator==(const Key&) const = default;
  };
  void fill(const Sim& sim, int b, double type);

  Key key_;
  std::uint32_t epoch_ = 1;
  std::array<Entry, kBodySlots> entries_{};
};

}  // namespace sw4
