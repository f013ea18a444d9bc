#include "drawing/body_dot.h"

#include "drawing/drawing.h"
#include "drawing/palette.h"
#include "model/world.h"

namespace sw4 {

namespace {

// With the palette up to date.
DotStyle styleOf(Sim& sim, int b, int watched) {
  const World& w = sim.world;
  const double type = w.PlanetType[b];
  DotStyle s;
  s.color = paletteColorOf(sim, b, type);
  if (b == watched && type != 0) s.color = rgb(255, 250, 100);
  s.spread = bodyDotSpread(w.PlanetGravity[b]);
  s.x = drawPos(w.PlanetX[b]);
  s.y = drawPos(w.PlanetY[b]);
  s.word = Surface::toWord(s.color);
  const int reach = s.spread > 0 ? s.spread - 1 : 0;  // offsets run from -spread to reach
  s.inRange = s.x >= s.spread && s.y >= s.spread && s.x <= 32767 - reach && s.y <= 32767 - reach;
  return s;
}

}  // namespace

DotStyle dotStyleOf(Sim& sim, int b, int watched) {
  refreshPalette(sim);
  return styleOf(sim, b, watched);
}

void refreshDotStyles(Sim& sim, int last, int watched) {
  refreshPalette(sim);
  for (int b = 0; b <= last; ++b) sim.dots[b] = styleOf(sim, b, watched);
}

}  // namespace sw4
