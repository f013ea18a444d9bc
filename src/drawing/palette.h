#pragma once
#include "model/sim.h"

namespace sw4 {

// Notices a change of what the body-dot colours depend on.
void refreshPalette(Sim& sim);
void fillPalette(Sim& sim, int b, double type);

// The colour of body b's dot (before the watched-body highlight).
inline Color paletteColorOf(Sim& sim, int b, double type) {
  const PaletteMemo::Entry& e = sim.palette.entries[b];
  if (e.epoch != sim.palette.epoch || e.type != type) fillPalette(sim, b, type);
  return e.color;
}

}  // namespace sw4
