// Bomb: every picture drawn at a body, as scattered single pixels in a base colour.
#include <algorithm>
#include <cmath>

#include "core/procedures.h"
#include "core/sim.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

struct Rgb {
  int r = 0, g = 0, b = 0;
};

int ci(double x) { return CIntSaturated(x); }

// Num of a class field: its strict value, or the field's design default when it is not a number.
double classNumber(const Control& c, double fallback) {
  return c.strictOk() ? c.strict() : fallback;
}

struct Shades {
  int S, D, Wd;
};

Shades shades(const Sim& sim, int first, double giants, double waterworlds) {
  const int tp = sim.world.TotalPlanets;
  Shades sh;
  sh.S = tp == 0 ? 0 : ci(static_cast<double>(first) / tp * 200);
  sh.D = ci(waterworlds - giants);
  if (sh.D == 0) sh.D = 1;
  sh.Wd = ci((waterworlds - first) / sh.D * 100);
  return sh;
}

Rgb bodyDotPalette(const Sim& sim, int first, int S, int Wd, double giantsLenient) {
  const World& w = sim.world;
  const double type = w.PlanetType[first];
  Rgb c;
  if (type == 0) return {255, 191, 128};
  if (sim.form.ChCol.value() == 0) {
    if (type == 1) {
      c = {ci(S / 2.0 + 125), ci(std::sin(S / 50.0) * 150), ci(std::cos(S / 33.0) * 170)};
      if (first == 1) c = {255, 0, 0};
      if (first == 2) c = {255, 181, 63};
      if (first == 3) c = {250, 155, 0};
      if (first == 4) c = {200, 200, 0};
      if (first == 5) c = {255, 160, 80};
    } else if (type == 2) {
      c.r = ci(std::sin(Wd / 3.0) * 90 + 70);
      c.b = Wd + 155;
      c.g = ci(180 - std::sin(S / 50.0) * 60);
      const int n = ci(giantsLenient);
      if (first == n + 1) c = {222, 255, 255};
      if (first == n + 2) c = {200, 238, 255};
      if (first == n + 3) c = {170, 55, 191};
    } else if (type == 3) {
      c = {ci(200 - S / 2.0 + std::cos(S / 6.0) * 30), ci(S / 2.0 + 50 + std::cos(S / 2.0) * 30),
           ci(std::sin(S / 50.0) * 50 + 75)};
    } else if (type == 4) {
      c = {ci(std::sin(S * 0.35) * 50 + 160), ci(std::sin(S * 0.14) * 80 + 100),
           ci(std::cos(S * 0.06) * 80 + 80)};
    }
  } else {
    c = {S + 55, ci(std::cos(S / 7.0) * 50 + 100), ci(std::sin(S / 11.0) * 100 + 50)};
    if (type == 1) {
      if (first == 1) c = {255, 0, 0};
      if (first == 2) c = {255, 181, 63};
    }
  }
  return c;
}

Color packClamped(Rgb c) {
  return rgb(std::clamp(c.r, 0, 255), std::clamp(c.g, 0, 255), std::clamp(c.b, 0, 255));
}

// One dot offset: two draws, dx first.
inline int offset(Rnd& rnd, int s) { return static_cast<int>(Int(rnd.next() * static_cast<double>(s) * 2)) - s; }

inline bool fits16(long v) { return v >= -32768 && v <= 32767; }

inline void plot(Sim& sim, int x, int y, int dx, int dy, Color c) {
  const long px = static_cast<long>(x) + dx;
  const long py = static_cast<long>(y) + dy;
  if (fits16(px) && fits16(py)) sim.surface.setPixel(static_cast<int>(px), static_cast<int>(py), c);
}

int bodyDotSpread(double gravity) {
  if (gravity > 2.9) return 12;
  if (gravity > 0.9) return 8;
  if (gravity > 0.09) return 4;
  return 0;
}

}  // namespace

void Bomb(Sim& sim, int x, int y, int kind, int first, int second) {
  if (!isBody(first) || !isBody(second)) return;
  const World& w = sim.world;
  const Fs4& f = sim.form;
  const Control& giantsField = f.TXw(0);
  const Control& waterField = f.TXw(1);
  const double giants = classNumber(giantsField, 2);
  const double waterworlds = classNumber(waterField, 102);

  if (kind == 1) {
    // The hot path: one call per far pair.
    PaletteCache& pc = sim.palette;
    const PaletteCache::Key key{w.TotalPlanets, f.ChCol.value(), giants, waterworlds,
                                giantsField.lenient()};
    if (!(key == pc.key)) {
      pc.key = key;
      ++pc.epoch;
    }
    PaletteCache::Entry& e = pc.entries[first];
    if (e.epoch != pc.epoch || e.type != w.PlanetType[first]) {
      const Shades sh = shades(sim, first, giants, waterworlds);
      e.color = packClamped(bodyDotPalette(sim, first, sh.S, sh.Wd, key.giantsLenient));
      e.epoch = pc.epoch;
      e.type = w.PlanetType[first];
    }
    Color c = e.color;
    if (w.PlanetType[first] != 0 && f.ChLim.value() == 1 && first == w.InspectedPlanet)
      c = rgb(255, 250, 100);
    const int s = bodyDotSpread(w.PlanetGravity[first]);
    const int dx = offset(sim.rnd, s);
    const int dy = offset(sim.rnd, s);
    plot(sim, x, y, dx, dy, c);
    return;
  }

  Rnd& rnd = sim.rnd;
  const Shades sh = shades(sim, first, giants, waterworlds);
  const int S = sh.S, Wd = sh.Wd;
  const bool sunInvolved = first == 0 || second == 0;
  Rgb c;
  switch (kind) {
    case 0:
      c = {255, 191, 127};
      break;
    case 2:
      c.r = 6 * second + 6 * first;
      c.b = 255 - 3 * first;
      c.g = ci(Int(rnd.next() * 60.0) - 2 * second);
      if (first == 0 || (second == 0 && f.CHsol.value() == 1)) {
        c.r = ci(Int(rnd.next() * 55.0) + 200);
        c.b = 0;
        c.g = ci(Int(rnd.next() * 30.0) + 200);
      }
      break;
    case 3: {
      c.g = ci(S / 2.0 + 50);
      c.r = S + 50;
      c.b = ci(150 - S / 2.0);
      const double type = w.PlanetType[first];
      if (type == 3) c = {ci(100 - S / 3.0), S + 40, 63};
      if (type == 2) c = {5, 120 - Wd, Wd + 150};
      if (type == 1) c.r = ci(255 - S / 2.0);
      break;
    }
    case 4:
      c = {255, ci(rnd.next() * 150.0 + 50), 0};
      if (sunInvolved) {
        c.b = 128;
        c.g += 50;
      }
      break;
    case 5: {
      const int tp = w.TotalPlanets;
      const double share = tp == 0 ? 0.0 : static_cast<double>(first) / tp;
      c.r = ci(share * 120);
      c.g = 220 - c.r;
      c.b = ci(std::sin(share) * 100 + 128);
      if (second > 10) {
        c.g = 128;
        c.r = 0;
      }
      break;
    }
    case 6:
      c = {140, 0, ci(rnd.next() * 150.0 + 100)};
      break;
    default:
      return;
  }
  const int C = ci(20 - w.PlanetType[first] * w.PlanetType[second]);
  const Color base = packClamped(c);
  const Rgb clamped{redOf(base), greenOf(base), blueOf(base)};

  switch (kind) {
    case 0: {
      const int s = std::clamp(static_cast<int>(ci(w.PlanetGravity[0] / 20)), 30, 199);
      const int dx = offset(rnd, s);
      const int dy = offset(rnd, s);
      if (f.CHsol.value() == 0) {
        const double r1 = rnd.next(), r2 = rnd.next(), r3 = rnd.next();
        const Rgb scaled{ci(clamped.r * r1), ci(clamped.g * r2), ci(clamped.b * r3)};
        plot(sim, x, y, dx, dy, packClamped(scaled));
      }
      return;
    }
    case 2: {
      const int s = 7 * C;
      for (int i = 0; i < 10; ++i) {
        const int dx = offset(rnd, s);
        const int dy = offset(rnd, s);
        const double r = rnd.next();
        plot(sim, x, y, dx, dy, packClamped({ci(clamped.r * r), clamped.g, clamped.b}));
      }
      return;
    }
    case 3:
    case 4:
    case 5:
    case 6: {
      int s = 0, dots = 0;
      if (kind == 3) s = 2 * C, dots = 3;
      if (kind == 4) s = sunInvolved ? 220 : 120, dots = sunInvolved ? 5 : 12;
      if (kind == 5) s = second > 10 ? 100 : 0, dots = second;
      if (kind == 6) s = 250, dots = 55;
      for (int i = 0; i < dots; ++i) {
        const int dx = offset(rnd, s);
        const int dy = offset(rnd, s);
        plot(sim, x, y, dx, dy, base);
      }
      return;
    }
  }
}

}  // namespace sw4
