// Bomb: every picture drawn at a body, as scattered single pixels in a base colour.
#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/body_dot.h"
#include "drawing/drawing.h"
#include "drawing/drawing_controls.h"
#include "drawing/shades.h"

namespace sw4 {

namespace {

struct Rgb {
  int r = 0, g = 0, b = 0;
};

Color packClamped(Rgb c) {
  return rgb(std::clamp(c.r, 0, 255), std::clamp(c.g, 0, 255), std::clamp(c.b, 0, 255));
}

// The base colour of every kind but the body dot; its random draws come first.
Rgb baseColour(Sim& sim, BombKind kind, int first, int second, const Shades& sh) {
  const World& w = sim.world;
  Rnd& rnd = sim.rnd;
  const int S = sh.S, Wd = sh.Wd;
  const bool sunInvolved = first == 0 || second == 0;
  Rgb c;
  switch (kind) {
    case BombKind::TagHalo:
      c = {255, 191, 127};
      break;
    case BombKind::Sparks:
      c.r = 6 * second + 6 * first;
      c.b = 255 - 3 * first;
      c.g = ci(Int(rnd.next() * 60.0) - 2 * second);
      if (first == 0 || (second == 0 && DrawingControls(sim).sunFixedBox().value() == 1)) {
        c.r = ci(Int(rnd.next() * 55.0) + 200);
        c.b = 0;
        c.g = ci(Int(rnd.next() * 30.0) + 200);
      }
      break;
    case BombKind::BondMark: {
      c = {S + 50, ci(S / 2.0 + 50), ci(150 - S / 2.0)};
      const double type = w.PlanetType[first];
      if (type == 3) c = {ci(100 - S / 3.0), S + 40, 63};
      if (type == 2) c = {5, 120 - Wd, Wd + 150};
      if (type == 1) c.r = ci(255 - S / 2.0);
      break;
    }
    case BombKind::MergeBurst:
      c = {255, ci(rnd.next() * 150.0 + 50), 0};
      if (sunInvolved) {
        c.b = 128;
        c.g += 50;
      }
      break;
    case BombKind::DarkMatterMark: {
      const int tp = w.TotalPlanets;
      const double share = tp == 0 ? 0.0 : static_cast<double>(first) / tp;
      c = {ci(share * 120), 0, ci(std::sin(share) * 100 + 128)};
      c.g = 220 - c.r;
      if (second > 10) c.g = 128, c.r = 0;
      break;
    }
    case BombKind::MoonAttemptCloud:
      c = {140, 0, ci(rnd.next() * 150.0 + 100)};
      break;
    case BombKind::BodyDot:
      break;
  }
  return c;
}

}  // namespace

int drawPos(double x) {
  if (!(x >= -2147483647.0)) return std::numeric_limits<int>::min();
  if (!(x < 2147483647.0)) return std::numeric_limits<int>::max();
  return floorToInt(x);
}

void Bomb(Sim& sim, int x, int y, BombKind kind, int first, int second) {
  if (!isBody(first) || !isBody(second)) return;
  const DrawingControls drawing(sim);
  if (kind == BombKind::BodyDot) {
    DotStyle s =
        dotStyleOf(sim, first, drawing.watchBox().value() == 1 ? sim.world.InspectedPlanet : -1);
    s.x = x;
    s.y = y;
    drawDot(sim.surface, sim.rnd, s);
    return;
  }
  const World& w = sim.world;
  Rnd& rnd = sim.rnd;
  const Shades sh = shadesOf(sim, first, drawing.giants(), drawing.waterworlds());
  const Color base = packClamped(baseColour(sim, kind, first, second, sh));
  const Rgb clamped{redOf(base), greenOf(base), blueOf(base)};
  const int C = ci(20 - w.PlanetType[first] * w.PlanetType[second]);
  const bool sunInvolved = first == 0 || second == 0;

  switch (kind) {
    case BombKind::TagHalo: {
      const int s = std::clamp(ci(w.PlanetGravity[0] / 20), 30, 199);
      const int dx = dotOffset(rnd, s);
      const int dy = dotOffset(rnd, s);
      if (drawing.sunFixedBox().value() == 0) {
        const double r1 = rnd.next(), r2 = rnd.next(), r3 = rnd.next();
        plotDot(sim.surface, x, y, dx, dy,
                packClamped({ci(clamped.r * r1), ci(clamped.g * r2), ci(clamped.b * r3)}));
      }
      return;
    }
    case BombKind::Sparks: {
      const int s = 7 * C;
      for (int i = 0; i < 10; ++i) {
        const int dx = dotOffset(rnd, s);
        const int dy = dotOffset(rnd, s);
        const double r = rnd.next();
        plotDot(sim.surface, x, y, dx, dy, packClamped({ci(clamped.r * r), clamped.g, clamped.b}));
      }
      return;
    }
    default: {
      int s = 0, dots = 0;
      if (kind == BombKind::BondMark) s = 2 * C, dots = 3;
      if (kind == BombKind::MergeBurst) s = sunInvolved ? 220 : 120, dots = sunInvolved ? 5 : 12;
      if (kind == BombKind::DarkMatterMark) s = second > 10 ? 100 : 0, dots = second;
      if (kind == BombKind::MoonAttemptCloud) s = 250, dots = 55;
      for (int i = 0; i < dots; ++i) {
        const int dx = dotOffset(rnd, s);
        const int dy = dotOffset(rnd, s);
        plotDot(sim.surface, x, y, dx, dy, base);
      }
      return;
    }
  }
}

}  // namespace sw4
