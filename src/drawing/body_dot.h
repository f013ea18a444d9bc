#pragma once
// The body dot: drawn once for every far pair, so what it looks like is worked out once per body
// and kept until something may have changed it.
#include "model/sim.h"
#include "platform/readings.h"

namespace sw4 {

// `watched` is the body highlighted while the records are on, -1 for none.
DotStyle dotStyleOf(Sim& sim, int b, int watched);

// The gravity pass keeps the dot styles of bodies 0..last in sim.dots and refreshes them whenever
// something may have changed a body (a handler, a contact, an outside edit).
void refreshDotStyles(Sim& sim, int last, int watched);
inline void refreshDotStyle(Sim& sim, int b, int watched) {
  sim.dots[b] = dotStyleOf(sim, b, watched);
}

inline int bodyDotSpread(double gravity) {
  if (gravity > 2.9) return 12;
  if (gravity > 0.9) return 8;
  if (gravity > 0.09) return 4;
  return 0;
}

// One dot offset in -s .. s-1: one draw.
inline int dotOffset(Rnd& rnd, int s) {
  return floorToInt(rnd.next() * static_cast<double>(s) * 2) - s;
}

inline bool fitsInt16(long v) {
  return v >= -32768 && v <= 32767;
}

// Sets one dot at (x + dx, y + dy); a position beyond the 16-bit drawing range draws nothing.
// A view listening to the surface is told of it, in range or not.
inline void plotDot(Surface& surface, int x, int y, int dx, int dy, Color c) {
  if (MarkSink* sink = surface.markSink())
    sink->mark(
        {x, y, static_cast<std::int16_t>(dx), static_cast<std::int16_t>(dy), Surface::toWord(c)});
  const long px = static_cast<long>(x) + dx;
  const long py = static_cast<long>(y) + dy;
  if (fitsInt16(px) && fitsInt16(py))
    surface.setPixel(static_cast<int>(px), static_cast<int>(py), c);
}

// A body-dot offset: dotOffset in whole numbers, as a body's spread is never negative.
inline int bodyDotOffset(Rnd& rnd, int spread) {
  return static_cast<int>((rnd.nextBits() * (2u * spread)) >> 24) - spread;
}

// The dot of body b: two draws for its offset, then one pixel.
inline void drawDot(Surface& surface, Rnd& rnd, const DotStyle& s) {
  const int dx = bodyDotOffset(rnd, s.spread);
  const int dy = bodyDotOffset(rnd, s.spread);
  plotDot(surface, s.x, s.y, dx, dy, s.color);
}

// Draws body dots as drawDot does, with the surface's pixels at hand: for the many dots of the
// gravity pass. Valid until the surface is resized.
class DotPen {
 public:
  explicit DotPen(Surface& surface) : surface_(&surface), pen_(surface.pen()) {}
  void draw(Rnd& rnd, const DotStyle& s) const {
    const int dx = bodyDotOffset(rnd, s.spread);
    const int dy = bodyDotOffset(rnd, s.spread);
    if (!s.inRange) return plotDot(*surface_, s.x, s.y, dx, dy, s.color);
    if (MarkSink* sink = surface_->markSink())
      sink->mark({s.x, s.y, static_cast<std::int16_t>(dx), static_cast<std::int16_t>(dy), s.word});
    const int px = pen_.toPixel(s.x + dx);
    const int py = pen_.toPixel(s.y + dy);
    if (pen_.inside(px, py)) pen_.put(px, py, s.word);
  }
  const Surface::Pen& pen() const { return pen_; }
  MarkSink* markSink() const { return surface_->markSink(); }

 private:
  Surface* surface_;
  Surface::Pen pen_;
};

}  // namespace sw4
