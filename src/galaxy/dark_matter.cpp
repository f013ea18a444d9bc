// "DarkM ": the smallest asteroids become heavy dark matter on a ring round the middle.
#include <algorithm>
#include <cmath>

#include "drawing/drawing.h"
#include "galaxy/galaxy.h"
#include "galaxy/galaxy_controls.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/readings.h"

namespace sw4 {

bool darkMatterRange(const Fs4& f, DarkRange& r) {
  const GalaxyControls galaxy(f);
  const Control& lunarTo = galaxy.lunarToField();
  const Control& count = galaxy.countField();
  if (!lunarTo.strictOk() || !count.strictOk()) return false;
  const int first = CIntSaturated(lunarTo.strict() + 1);
  const int last = CIntSaturated(count.strict());
  r = {std::clamp(first, 0, kMaxBody), std::clamp(last, 0, kMaxBody)};
  if (first > kMaxBody || last < 0) r = {1, 0};  // entirely outside: an empty range
  return true;
}

namespace {

void placeRing(Sim& sim, const DarkRange& r) {
  World& w = sim.world;
  const GalaxyControls galaxy(sim);
  const Control& gravity = galaxy.gravityField();
  const int count = r.last - r.first + 1;
  const bool gravityOk = gravity.strictOk();  // a gravity that is not a number is left alone
  int k = 0;
  for (int i = r.first; i <= r.last; ++i) {
    ++k;
    if (gravityOk) w.PlanetGravity[i] = gravity.strict();
    const double R = sim.H() / 3.15;
    const double theta = (w.Pi + w.Pi) * (static_cast<double>(k) / count);
    const double phi = w.Pi / 2 + theta;
    const double D = std::pow(R * R * 2, 0.5);
    const double V = galaxy.momentumField().lenient();
    w.PlanetX[i] = sim.W() / 2.0f + std::sin(theta) * D;
    w.PlanetY[i] = sim.H() / 2.0f + std::cos(theta) * D;
    w.MomentumX[i] = -(std::sin(phi) * V);
    w.MomentumY[i] = -(std::cos(phi) * V);
    Bomb(sim, drawPos(w.PlanetX[i]), drawPos(w.PlanetY[i]), BombKind::DarkMatterMark, i, 30);
    w.PlanetOff[i] = 0;
  }
}

void darkMatterClicked(Sim& sim) {
  const GalaxyControls galaxy(sim);
  ReOrbit(sim);
  DarkRange r;
  if (!darkMatterRange(sim.form, r)) return;
  if (galaxy.darkMatterBox().value() == 1 && galaxy.tickTimer().enabled()) {
    galaxy.clearButton().setValue(1);
    placeRing(sim, r);
  }
  if (galaxy.darkMatterBox().value() == 0) {
    for (int i = r.first; i <= r.last; ++i) sim.world.PlanetGravity[i] = 1.0 / 1000000;
  }
}

}  // namespace

void wireGalaxy(Sim& sim) {
  GalaxyControls(sim).darkMatterBox().on(Event::Click, [&sim] { darkMatterClicked(sim); });
}

}  // namespace sw4
