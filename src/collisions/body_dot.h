#pragma once
// The body dot: drawn once for every far pair, so it is kept lean and inline.
#include "core/sim.h"
#include "platform/readings.h"

namespace sw4 {

inline int bodyDotSpread(double gravity) {
  if (gravity > 2.9) return 12;
  if (gravity > 0.9) return 8;
  if (gravity > 0.09) return 4;
  return 0;
}

// One dot offset in -s .. s-1: one draw.
inline int dotOffset(Rnd& rnd, int s) { return floorToInt(rnd.next() * static_cast<double>(s) * 2) - s; }

inline bool fitsInt16(long v) { return v >= -32768 && v <= 32767; }

// Sets one dot at (x + dx, y + dy); a position beyond the 16-bit drawing range draws nothing.
inline void plotDot(Surface& surface, int x, int y, int dx, int dy, Color c) {
  const long px = static_cast<long>(x) + dx;
  const long py = static_cast<long>(y) + dy;
  if (fitsInt16(px) && fitsInt16(py)) surface.setPixel(static_cast<int>(px), static_cast<int>(py), c);
}

// Body b's dot at (x, y); the palette must have been refreshed since its inputs last changed.
// `watched` is the body highlighted while the records are on, -1 for none.
inline void bodyDot(Sim& sim, Rnd& rnd, int x, int y, int b, int watched) {
  const World& w = sim.world;
  const double type = w.PlanetType[b];
  Color c = sim.palette.colorOf(sim, b, type);
  if (b == watched && type != 0) c = rgb(255, 250, 100);
  const int s = bodyDotSpread(w.PlanetGravity[b]);
  const int dx = dotOffset(rnd, s);
  const int dy = dotOffset(rnd, s);
  plotDot(sim.surface, x, y, dx, dy, c);
}

}  // namespace sw4
