// "Spiral": a twin pair circling the middle, each carrying one of two mirrored spiral arms.
#include <cmath>

#include "model/sim.h"
#include "scenarios/orbit_placement.h"
#include "scenarios/scenario_controls.h"
#include "scenarios/scenarios.h"

namespace sw4 {

namespace {

// The twins' speed law: Kepler around the middle at radius factor u, halved.
double twinSpeed(const ScenarioControls& orbits, const World& w, double u, double baseRadius) {
  const double g = largestPlanetGravity(orbits, true);
  return keplerSpeed(w.GConstant, g, orbitRadius(u, baseRadius)) / 2;
}

void placeTwin(const ScenarioControls& orbits, World& w, int i, int k, int n, const Centre& c) {
  const double a = w.TotalPlanets / 2.0;
  const double theta = 2 * w.Pi * a * (static_cast<double>(k) / n);
  const double u = w.TwinRatio;
  const double v = twinSpeed(orbits, w, u, c.baseRadius);
  placeOnCircle(w, i, c, orbitRadius(u, c.baseRadius), theta, theta + w.Pi / 2, v);
}

// An arm body sits at 2000 u twips from its twin and takes the twin's momentum as its own base.
void placeArmBody(const ScenarioControls& orbits, World& w, int i, int k, const LayoutFields& lf,
                  const Centre& c) {
  const double u = static_cast<double>(k) / lf.n + lf.gap;
  const double a = orbits.advanceField().strict();
  const double theta = -(2 * w.Pi * a * u);
  const double phi = theta + w.Pi / 2;
  const double d = 2000 * u;
  const double v = u > 0 ? armSpeed(w.GConstant, orbits.giantGravityField().strict(), u)
                         : twinSpeed(orbits, w, 2.0 * k / lf.n + lf.gap, c.baseRadius);
  const double sx = d * std::sin(theta), cy = d * std::cos(theta);
  const double vx = v * std::sin(phi), vy = v * std::cos(phi);
  if (isEven(i)) {
    setBody(w, i, w.PlanetX[1] + sx, w.PlanetY[1] - cy, w.MomentumX[1] + vx, w.MomentumY[1] - vy);
  } else {
    setBody(w, i, w.PlanetX[2] - sx, w.PlanetY[2] + cy, w.MomentumX[2] - vx, w.MomentumY[2] + vy);
  }
}

void placeSpiral(const Sim& sim, World& w, const LayoutFields& lf) {
  const ScenarioControls orbits(sim);
  const Centre c = layoutCentre(sim, 4);
  for (int i = 1; i <= lf.n; ++i) {
    if (orbits.allAliveBox().value() == 1) {
      w.PlanetOff[i] = 0;
      w.TickCount = 0;
    }
    if (w.PlanetOff[i] != 0) continue;
    const int k = lf.n - i;
    if (i <= 2) {
      placeTwin(orbits, w, i, k, lf.n, c);
    } else {
      placeArmBody(orbits, w, i, k, lf, c);
    }
  }
}

}  // namespace

void wireSpiral(Sim& sim) {
  Control& spiral = ScenarioControls(sim).spiralBox();
  spiral.on(Event::Click, [&sim, &spiral] {
    runLayout(sim, spiral, {.twinRatio = true},
              [&sim](World& w, const LayoutFields& lf) { placeSpiral(sim, w, lf); });
  });
}

}  // namespace sw4
