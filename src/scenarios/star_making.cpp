// "Create Stars": bodies 3 and up are switched off and born again, one per tick, between the sun
// and one of the spiral's twins. Also the "Orbits" frame, which widens and narrows on a click.
#include <cmath>
#include <string>

#include "model/sim.h"
#include "model/world.h"
#include "scenarios/scenario_controls.h"
#include "scenarios/scenarios.h"

namespace sw4 {

namespace {

double finiteOr(double v, double fallback) {
  return std::isfinite(v) ? v : fallback;
}

void createStars(Sim& sim) {
  Control& spiral = ScenarioControls(sim).spiralBox();
  World& w = sim.world;
  if (spiral.value() == 0) {
    spiral.setValue(1);
    for (int i = 3; i <= w.TotalPlanets && i <= kMaxBody; ++i) w.PlanetOff[i] = 1;
  }
  w.StarIndex = 3;
}

void toggleOrbitsFrame(const ScenarioControls& orbits) {
  Control& frame = orbits.orbitsFrame();
  if (frame.width() != 3300) {
    frame.setWidth(3300);
    orbits.gPiField().setWidth(1800);
  } else {
    frame.setWidth(900);
    orbits.gPiField().setWidth(855);
  }
}

}  // namespace

void StarMaker(Sim& sim) {
  World& w = sim.world;
  const int k = w.StarIndex;
  if (k < 3 || !isBody(k)) return;
  if (w.PlanetOff[k] == 1) {
    const int p = k % 2 == 0 ? 1 : 2;
    // Finite twins give finite values; the fallbacks only keep absurd ones out of the arrays.
    w.MomentumX[k] = finiteOr(-w.MomentumX[p] / 0.4, 0);
    w.MomentumY[k] = finiteOr(-w.MomentumY[p] / 0.4, 0);
    w.PlanetX[k] = finiteOr((w.PlanetX[p] + w.PlanetX[0]) / 2, w.PlanetX[p] / 2 + w.PlanetX[0] / 2);
    w.PlanetY[k] = finiteOr((w.PlanetY[p] + w.PlanetY[0]) / 2, w.PlanetY[p] / 2 + w.PlanetY[0] / 2);
    w.PlanetOff[k] = 0;
  }
  ScenarioControls(sim).starsButton().setCaption(std::to_string(k));
  w.StarIndex = static_cast<std::int16_t>(k + 1);
}

void wireStarMaking(Sim& sim) {
  const ScenarioControls orbits(sim);
  orbits.starsButton().on(Event::Click, [&sim] { createStars(sim); });
  orbits.orbitsFrame().on(Event::Click, [orbits] { toggleOrbitsFrame(orbits); });
}

}  // namespace sw4
