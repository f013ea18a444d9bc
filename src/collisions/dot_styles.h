#pragma once
#include <array>

#include "core/world.h"
#include "platform/color.h"

namespace sw4 {

class Sim;

// Where and how a body's dot is drawn: its drawing position, spread and colour.
struct DotStyle {
  int x = 0, y = 0, spread = 0;
  Color color = 0;
};

// `watched` is the body highlighted while the records are on, -1 for none.
DotStyle dotStyleOf(Sim& sim, int b, int watched);

// The dot styles of the bodies as the gravity pass uses them; the pass refreshes them whenever
// something may have changed a body (a handler, a contact, an outside edit).
class DotStyles {
 public:
  void refreshAll(Sim& sim, int last, int watched) {
    for (int b = 0; b <= last; ++b) styles_[b] = dotStyleOf(sim, b, watched);
  }
  void refresh(Sim& sim, int b, int watched) { styles_[b] = dotStyleOf(sim, b, watched); }
  const DotStyle& operator[](int b) const { return styles_[b]; }

 private:
  std::array<DotStyle, kBodySlots> styles_;
};

}  // namespace sw4
