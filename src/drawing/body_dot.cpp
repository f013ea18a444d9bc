#include "drawing/body_dot.h"

#include "drawing/drawing.h"
#include "drawing/palette.h"

namespace sw4 {

DotStyle dotStyleOf(Sim& sim, int b, int watched) {
  const World& w = sim.world;
  refreshPalette(sim);
  const double type = w.PlanetType[b];
  DotStyle s;
  s.color = paletteColorOf(sim, b, type);
  if (b == watched && type != 0) s.color = rgb(255, 250, 100);
  s.spread = bodyDotSpread(w.PlanetGravity[b]);
  s.x = drawPos(w.PlanetX[b]);
  s.y = drawPos(w.PlanetY[b]);
  return s;
}

}  // namespace sw4
