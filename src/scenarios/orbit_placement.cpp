#include "scenarios/orbit_placement.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "model/sim.h"
#include "observation/observation.h"
#include "platform/fault.h"
#include "platform/readings.h"
#include "scenarios/scenario_controls.h"

namespace sw4 {

namespace {

// The parts of the world a layout writes.
void takeOverBodies(World& to, const World& from) {
  to.PlanetX = from.PlanetX;
  to.PlanetY = from.PlanetY;
  to.MomentumX = from.MomentumX;
  to.MomentumY = from.MomentumY;
  to.PlanetOff = from.PlanetOff;
  to.TickCount = from.TickCount;
}

LayoutFields readUpFront(Sim& sim, UpFront upFront) {
  const ScenarioControls scenarios(sim);
  if (upFront.twinRatio) sim.world.TwinRatio = scenarios.twinRatioField().strict();
  LayoutFields lf;
  // A count beyond the 16-bit range means as many bodies as there are slots.
  lf.n = std::min<int>(CIntSaturated(scenarios.countField().strict()), kMaxBody);
  lf.gap = scenarios.gapField().strict() / 100;
  if (upFront.advance) lf.advance = scenarios.advanceField().strict();
  return lf;
}

}  // namespace

void runLayout(Sim& sim, const Control& box, UpFront upFront, const PlaceBodies& place) {
  const ScenarioControls scenarios(sim);
  try {
    const LayoutFields lf = readUpFront(sim, upFront);
    if (box.value() == 1 && scenarios.tickTimer().enabled()) {
      auto staged = std::make_unique<World>(sim.world);
      place(*staged, lf);
      scenarios.clearButton().setValue(1);
      takeOverBodies(sim.world, *staged);
    }
  } catch (const Fault&) {
    // A field that is not a number, or a place off every finite number: no body moves.
  }
  ReOrbit(sim);
}

Centre layoutCentre(const Sim& sim, int divisor) {
  return {sim.W() / 2.0f, sim.H() / 2.0f, sim.H() / static_cast<float>(divisor)};
}

double orbitRadius(double u, double baseRadius) {
  return u * std::pow(2 * baseRadius * baseRadius, 0.5);
}

void setBody(World& w, int i, double x, double y, double mx, double my) {
  if (!isBody(i)) throw Fault("body " + std::to_string(i) + " is outside the arrays");
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(mx) || !std::isfinite(my))
    throw Fault("body " + std::to_string(i) + " would be placed off every finite place");
  w.PlanetX[i] = x;
  w.PlanetY[i] = y;
  w.MomentumX[i] = mx;
  w.MomentumY[i] = my;
}

void placeOnCircle(World& w, int i, const Centre& c, double r, double theta, double phi, double v) {
  setBody(w, i, c.x + r * std::sin(theta), c.y + r * std::cos(theta), -(v * std::sin(phi)),
          -(v * std::cos(phi)));
}

double finiteSpeed(double v) {
  return std::isfinite(v) ? v : 0.0;
}

double keplerSpeed(double G, double g, double r) {
  if (r == 0) return 0;
  return finiteSpeed(std::pow(G * g / r, 0.5));
}

double perfectSpeed(double G, double g, double u) {
  if (!(u > 0)) return 0;
  return finiteSpeed(G * std::pow(g / u, 0.5));
}

double sunWeightedSpeed(double G, double sunGravity, double u) {
  if (!(u > 0)) return 0;
  return finiteSpeed(G * sunGravity / std::pow(u, 0.5));
}

double fixedMomentumSpeed(double m, double u) {
  if (!(u > 0)) return 0;
  return finiteSpeed(m / std::pow(u, 0.5));
}

double armSpeed(double G, double g, double u) {
  if (!(u > 0)) return 0;
  return finiteSpeed(0.2 * std::pow(G * g / (2000 * u), 0.5));
}

double sunFirstGravity(const ScenarioControls& c, const World& w) {
  double g = c.sunGravityField().strict();
  if (w.PlanetOff[0] == 1) g = c.giantGravityField().strict();
  if (g == 0) g = c.momentumField().strict();
  return g;
}

double largestPlanetGravity(const ScenarioControls& c, bool withFallback) {
  double g = c.giantGravityField().strict();
  if (withFallback && g == 0) g = c.momentumField().strict();
  return g;
}

double perfectCircleGravity(const ScenarioControls& c, const World& w) {
  double g = c.sunGravityField().strict();
  if (g == 0) g = c.giantGravityField().strict();
  if (w.PlanetOff[0] == 1) g = c.giantGravityField().strict() / 5;
  return g;
}

}  // namespace sw4
