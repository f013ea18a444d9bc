#include "collisions/body_dot.h"

#include "core/gravity.h"

namespace sw4 {

DotStyle dotStyleOf(Sim& sim, int b, int watched) {
  const World& w = sim.world;
  sim.palette.refresh(sim);
  const double type = w.PlanetType[b];
  DotStyle s;
  s.color = sim.palette.colorOf(sim, b, type);
  if (b == watched && type != 0) s.color = rgb(255, 250, 100);
  s.spread = bodyDotSpread(w.PlanetGravity[b]);
  s.x = drawPos(w.PlanetX[b]);
  s.y = drawPos(w.PlanetY[b]);
  return s;
}

}  // namespace sw4
