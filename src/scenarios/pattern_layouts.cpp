// The layouts besides "Spiral": "Galaxy", "Binary", "Circle", "Anti-ci", "All Orb" and "hm".
#include <array>

#include "model/sim.h"
#include "scenarios/orbit_placement.h"
#include "scenarios/scenario_controls.h"
#include "scenarios/scenarios.h"

namespace sw4 {

namespace {

double fraction(int numerator, int n) {
  return static_cast<double>(numerator) / n;
}

// Bodies 1 to 4 of "Galaxy" sit at fixed turns, 1 and 2 on the full base circle, 3 and 4 on half.
constexpr std::array<double, 4> kGalaxyTurns{0.25, 0.75, 0.375, 0.875};
constexpr std::array<double, 4> kGalaxyScale{1, 1, 0.5, 0.5};

void placeGalaxy(const Sim& sim, World& w, const LayoutFields& lf) {
  const ScenarioControls orbits(sim);
  const Centre c = layoutCentre(sim, 5);
  for (int i = 1; i <= lf.n; ++i) {
    if (orbits.allAliveBox().value() == 1) w.PlanetOff[i] = 0;
    if (w.PlanetOff[i] != 0) continue;
    double theta, scale;
    if (i <= 4) {
      theta = 2 * w.Pi * kGalaxyTurns[i - 1];
      scale = kGalaxyScale[i - 1];
    } else {
      scale = fraction(lf.n - i, lf.n) + lf.gap;
      theta = 2 * w.Pi * orbits.advanceField().strict() * scale;
    }
    const double r = orbitRadius(scale, c.baseRadius);
    const double v = keplerSpeed(w.GConstant, sunFirstGravity(orbits, w), r);
    placeOnCircle(w, i, c, r, theta, theta + w.Pi / 2, v);
  }
}

void placeBinary(const Sim& sim, World& w, const LayoutFields& lf) {
  const ScenarioControls orbits(sim);
  const Centre c = layoutCentre(sim, 4);
  for (int i = 1; i <= lf.n; ++i) {
    if (orbits.allAliveBox().value() == 1) w.PlanetOff[i] = 0;
    if (w.PlanetOff[i] != 0) continue;
    const bool twin = i <= 2;
    const double fg = fraction(lf.n + 1 - i, lf.n) + lf.gap;
    const double a = twin ? w.TotalPlanets / 2.0 : orbits.advanceField().strict();
    const double theta = 2 * w.Pi * a * fg;
    const double r = orbitRadius(twin ? w.TwinRatio : fg, c.baseRadius);
    double v = finiteSpeed(keplerSpeed(w.GConstant, orbits.giantGravityField().strict(), r) *
                           orbits.gPiField().strict());
    if (twin) v = v / 2;
    placeOnCircle(w, i, c, r, theta, theta + w.Pi / 2, v);
  }
}

void placeCircle(const Sim& sim, World& w, const LayoutFields& lf) {
  const ScenarioControls orbits(sim);
  const Centre c = layoutCentre(sim, 4);
  const double a = orbits.advanceField().strict();
  const double g = orbits.sunGravityField().strict();
  for (int i = 1; i <= lf.n; ++i) {
    const double fg = fraction(i, lf.n) + lf.gap;
    double u = fg;
    if (i == 1 && w.PlanetType[1] == 1 && w.PlanetGravity[1] > 0.9)
      u = orbits.twinRatioField().strict();
    const double theta = 2 * w.Pi * a * fg;
    const double r = orbitRadius(u, c.baseRadius);
    placeOnCircle(w, i, c, r, theta, theta + w.Pi / 2, keplerSpeed(w.GConstant, g, r));
    if (orbits.allAliveBox().value() == 1) w.PlanetOff[i] = 0;
  }
}

// The angle counts down from TotalPlanets while the radius grows: heavy bodies outside, turning
// the other way.
void placeAntiCircle(const Sim& sim, World& w, const LayoutFields& lf) {
  const ScenarioControls orbits(sim);
  const Centre c = layoutCentre(sim, 4);
  const double a = orbits.advanceField().strict();
  const double m = orbits.momentumField().strict();
  for (int i = 1; i <= lf.n; ++i) {
    const double theta = 2 * w.Pi * a * (fraction(w.TotalPlanets + 1 - i, lf.n) + lf.gap);
    const double u = fraction(i, lf.n) + lf.gap;
    const double r = orbitRadius(u, c.baseRadius);
    placeOnCircle(w, i, c, r, theta, theta - w.Pi / 2, fixedMomentumSpeed(m, u));
  }
}

void placeAllOrbit(const Sim& sim, World& w, const LayoutFields& lf) {
  const Centre c = layoutCentre(sim, 4);
  const double a = ScenarioControls(sim).advanceField().strict();
  for (int i = lf.n; i >= 1; --i) {
    const double u = fraction(i, lf.n) + lf.gap;
    const double theta = 2 * w.Pi * a * u;
    const double v = sunWeightedSpeed(w.GConstant, w.PlanetGravity[0], u);
    placeOnCircle(w, i, c, orbitRadius(u, c.baseRadius), theta, theta + w.Pi / 2, v);
  }
}

void placePerfectCircle(const Sim& sim, World& w, const LayoutFields& lf) {
  const Centre c = layoutCentre(sim, 4);
  const double g = perfectCircleGravity(ScenarioControls(sim), w);
  for (int i = 1; i <= lf.n; ++i) {
    if (w.PlanetOff[i] != 0) continue;
    const double u = fraction(lf.n - i, lf.n) + lf.gap;
    const double theta = 2 * w.Pi * lf.advance * u;
    const double v = perfectSpeed(w.GConstant, g, u);
    placeOnCircle(w, i, c, orbitRadius(u, c.baseRadius), theta, theta + w.Pi / 2, v);
  }
}

using Placer = void (*)(const Sim&, World&, const LayoutFields&);

void wireLayout(Sim& sim, Control& box, UpFront upFront, Placer placer) {
  box.on(Event::Click, [&sim, &box, upFront, placer] {
    runLayout(sim, box, upFront,
              [&sim, placer](World& w, const LayoutFields& lf) { placer(sim, w, lf); });
  });
}

}  // namespace

void wirePatternLayouts(Sim& sim) {
  const ScenarioControls orbits(sim);
  wireLayout(sim, orbits.galaxyBox(), {}, placeGalaxy);
  wireLayout(sim, orbits.circleBox(), {}, placeCircle);
  wireLayout(sim, orbits.antiCircleBox(), {}, placeAntiCircle);
  wireLayout(sim, orbits.allOrbitBox(), {}, placeAllOrbit);
  wireLayout(sim, orbits.perfectBox(), {.advance = true}, placePerfectCircle);
  // "Binary" zeroes the sun's gravity field on every click, whether or not it then runs.
  orbits.binaryBox().on(Event::Click, [&sim, orbits] {
    orbits.sunGravityField().setText("0");
    runLayout(sim, orbits.binaryBox(), {.twinRatio = true},
              [&sim](World& w, const LayoutFields& lf) { placeBinary(sim, w, lf); });
  });
}

}  // namespace sw4
