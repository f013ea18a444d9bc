#include "observation/watched_orbit.h"

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"

namespace sw4 {

OrbitNumbers watchedOrbit(const Sim& sim) {
  const World& w = sim.world;
  const int n = w.InspectedPlanet;
  if (n < 1 || n > kMaxBody) return {};
  const bool sunOn = w.PlanetOff[0] == 0;
  const bool sunMoves = sunOn && sim.form.CHsol.value() == 0;
  RelativeMotion m;
  m.x = w.PlanetX[n] - w.PlanetX[0];
  m.y = w.PlanetY[n] - w.PlanetY[0];
  if (w.PlanetOff[n] != 0) {
    OrbitNumbers placeOnly;
    placeOnly.distance = orbitNumbers(m).distance;
    return placeOnly;
  }
  m.vx = w.MomentumX[n] - (sunMoves ? w.MomentumX[0] : 0);
  m.vy = w.MomentumY[n] - (sunMoves ? w.MomentumY[0] : 0);
  const double G = w.GConstant == 0 ? 1.0 : w.GConstant;
  if (sunOn) m.mu = G * (w.PlanetGravity[0] + (sunMoves ? w.PlanetGravity[n] : 0));
  m.exponent = sim.form.TXg(2).lenient();
  return orbitNumbers(m);
}

}  // namespace sw4
