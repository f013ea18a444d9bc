// "DarkM ": the smallest asteroids become heavy dark matter on a ring round the middle.
#include <algorithm>
#include <cmath>

#include "drawing/drawing.h"
#include "galaxy/galaxy.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/readings.h"

namespace sw4 {

bool darkMatterRange(const Fs4& f, DarkRange& r) {
  if (!f.TXw(2).strictOk() || !f.TXn.strictOk()) return false;
  const int first = CIntSaturated(f.TXw(2).strict() + 1);
  const int last = CIntSaturated(f.TXn.strict());
  r = {std::clamp(first, 0, kMaxBody), std::clamp(last, 0, kMaxBody)};
  if (first > kMaxBody || last < 0) r = {1, 0};  // entirely outside: an empty range
  return true;
}

namespace {

void placeRing(Sim& sim, const DarkRange& r) {
  World& w = sim.world;
  Fs4& f = sim.form;
  const int count = r.last - r.first + 1;
  const bool gravityOk = f.Text6.strictOk();  // a gravity that is not a number is left alone
  int k = 0;
  for (int i = r.first; i <= r.last; ++i) {
    ++k;
    if (gravityOk) w.PlanetGravity[i] = f.Text6.strict();
    const double R = sim.H() / 3.15;
    const double theta = (w.Pi + w.Pi) * (static_cast<double>(k) / count);
    const double phi = w.Pi / 2 + theta;
    const double D = std::pow(R * R * 2, 0.5);
    const double V = f.Text3.lenient();
    w.PlanetX[i] = sim.W() / 2.0f + std::sin(theta) * D;
    w.PlanetY[i] = sim.H() / 2.0f + std::cos(theta) * D;
    w.MomentumX[i] = -(std::sin(phi) * V);
    w.MomentumY[i] = -(std::cos(phi) * V);
    Bomb(sim, drawPos(w.PlanetX[i]), drawPos(w.PlanetY[i]), BombKind::DarkMatterMark, i, 30);
    w.PlanetOff[i] = 0;
  }
}

void darkMatterClicked(Sim& sim) {
  Fs4& f = sim.form;
  ReOrbit(sim);
  DarkRange r;
  if (!darkMatterRange(f, r)) return;
  if (f.Chdark.value() == 1 && f.Ti.enabled()) {
    f.Command4.setValue(1);
    placeRing(sim, r);
  }
  if (f.Chdark.value() == 0) {
    for (int i = r.first; i <= r.last; ++i) sim.world.PlanetGravity[i] = 1.0 / 1000000;
  }
}

}  // namespace

void wireGalaxy(Sim& sim) {
  sim.form.Chdark.on(Event::Click, [&sim] { darkMatterClicked(sim); });
}

}  // namespace sw4
