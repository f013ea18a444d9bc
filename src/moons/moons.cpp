// Moon attempts: "Lunar" places a lost body near one of the first five bodies, "Moon" ejects it.
#include "moons/moons.h"

#include <cmath>

#include "model/options.h"
#include "model/sim.h"
#include "model/world.h"
#include "moons/moon_controls.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

struct Candidate {
  double x, y, mx, my;
  bool finite() const {
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(mx) && std::isfinite(my);
  }
};

// Stored in the order X, Y, momentum Y, momentum X; values beyond the Double range store nothing.
void store(World& w, int m, const Candidate& c) {
  if (!c.finite()) return;
  w.PlanetX[m] = c.x;
  w.PlanetY[m] = c.y;
  w.MomentumY[m] = c.my;
  w.MomentumX[m] = c.mx;
}

int parentDraw(Rnd& rnd) {
  return static_cast<int>(Int(rnd.next() * 5.0));
}

bool anyParentAlive(const World& w) {
  for (int p = 0; p <= 4; ++p)
    if (w.PlanetOff[p] != 1) return true;
  return false;
}

void firstAttempt(Sim& sim, Control& box, void (*attempt)(Sim&, int)) {
  const MoonControls moons(sim);
  if (box.value() == 1) {
    moons.rangeField().setVisible(true);
    moons.attemptsLabel().setVisible(true);
    attempt(sim, sim.world.TotalPlanets);
    option(sim.form, BorderBehaviour::FourDim).setValue(1);
  } else {
    moons.rangeField().setVisible(false);
    moons.attemptsLabel().setVisible(false);
  }
}

}  // namespace

void Lunarfy(Sim& sim, int m) {
  if (!isBody(m)) return;
  World& w = sim.world;
  const MoonControls moons(sim);
  Rnd& rnd = sim.rnd;
  // With bodies 0 to 4 all off there is no parent to find: the body stays as it was.
  if (!anyParentAlive(w)) return;
  int p;
  double rad;
  int q;
  do {
    p = parentDraw(rnd);
    rad = moons.radiusField().lenient();
    q = CIntSaturated(moons.rangeField().lenient());
  } while (w.PlanetOff[p] == 1);
  const long q2 = 2L * q;  // cannot overflow
  Candidate c;
  c.x = w.PlanetX[p] - q * rad + (q2 * static_cast<double>(rnd.next())) * rad;
  c.y = w.PlanetY[p] - q * rad + (q2 * static_cast<double>(rnd.next())) * rad;
  c.mx = rnd.next() * 4.0 * w.MomentumX[p] + w.MomentumX[p] * (-2);
  c.my = rnd.next() * 4.0 * w.MomentumY[p] + w.MomentumY[p] * (-2);
  store(w, m, c);
}

void Moonify(Sim& sim, int m) {
  if (!isBody(m)) return;
  World& w = sim.world;
  const MoonControls moons(sim);
  Rnd& rnd = sim.rnd;
  const int p = parentDraw(rnd);
  const double rad = moons.radiusField().lenient();
  const int q = CIntSaturated(moons.rangeField().lenient());
  if (selected(sim.form, CollisionMode::Bond)) option(sim.form, CollisionMode::Ignor).setValue(1);
  const long q2 = 2L * q;
  Candidate c;
  c.x = w.PlanetX[p] - rad + rnd.next() * rad;
  c.y = w.PlanetY[p] - rad + rnd.next() * rad;
  c.mx = (q2 * static_cast<double>(rnd.next())) * w.MomentumX[p] + (-q) * w.MomentumX[p];
  c.my = (q2 * static_cast<double>(rnd.next())) * w.MomentumY[p] + (-q) * w.MomentumY[p];
  store(w, m, c);
}

void wireMoons(Sim& sim) {
  const MoonControls moons(sim);
  Control& lunar = moons.lunarBox();
  Control& moon = moons.moonBox();
  lunar.on(Event::Click, [&sim, &lunar] { firstAttempt(sim, lunar, Lunarfy); });
  moon.on(Event::Click, [&sim, &moon] { firstAttempt(sim, moon, Moonify); });
}

}  // namespace sw4
