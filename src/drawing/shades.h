#pragma once
// The number and waterworld shades that the drawing colours are made from.
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"

namespace sw4 {

inline int ci(double x) {
  return CIntSaturated(x);
}

struct Shades {
  int S, D, Wd;
};

// S from the body number, D and Wd from the class fields; no bodies give shade 0.
inline Shades shadesOf(const Sim& sim, int first, double giants, double waterworlds) {
  const int tp = sim.world.TotalPlanets;
  Shades sh;
  sh.S = tp == 0 ? 0 : ci(static_cast<double>(first) / tp * 200);
  sh.D = ci(waterworlds - giants);
  if (sh.D == 0) sh.D = 1;
  sh.Wd = ci((waterworlds - first) / sh.D * 100);
  return sh;
}

}  // namespace sw4
