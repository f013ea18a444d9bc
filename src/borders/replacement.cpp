// Newton brings a lost body back (or makes it a moon attempt); RandomEdge and RandomMo help it.
#include <cmath>

#include "borders/border_controls.h"
#include "borders/borders.h"
#include "drawing/drawing.h"
#include "model/sim.h"
#include "model/world.h"
#include "moons/moons.h"
#include "observation/observation.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

double finiteOr(double v, double fallback) {
  return std::isfinite(v) ? v : fallback;
}

// +1 or -1 with probability one half each: two draws.
double randomSign(Rnd& rnd) {
  const double s = Int(static_cast<double>(rnd.next()) + rnd.next());
  return s == 0 ? -1 : s;
}

enum class Mode { None, Plain, Lunar, Moon };

Mode replacementMode(const Sim& sim, int i) {
  const BorderControls borders(sim);
  Mode m = Mode::None;
  if (borders.lunarBox().value() == 0) m = Mode::Plain;
  if (borders.lunarBox().value() == 1) m = Mode::Lunar;
  if (borders.moonBox().value() == 1) m = Mode::Moon;
  if (i == 1 || i == 2) m = sim.world.PlanetOff[1] == 1 ? Mode::None : Mode::Plain;
  return m;
}

void plainReplacement(Sim& sim, int i) {
  World& w = sim.world;
  const BorderControls borders(sim);
  Rnd& rnd = sim.rnd;
  const double W = sim.W(), H = sim.H();
  if (borders.spinBox().value() == 1) {
    w.MomentumY[i] = Int(rnd.next() * static_cast<double>(w.MomentumRange)) + w.MomentumQuarter;
    w.MomentumX[i] = Int(rnd.next() * static_cast<double>(w.MomentumRange)) - w.MomentumQuarter;
    w.PlanetX[i] = Int(W * 0.35 * rnd.next()) + W * 0.5;
    w.PlanetY[i] = Int(H * 0.5 * rnd.next());
    if (borders.antiCircleBox().value() == 1) {
      w.MomentumX[i] = -w.MomentumX[i];
      w.MomentumY[i] = -w.MomentumY[i];
    }
  } else if (borders.selected(BorderBehaviour::FourDim) ||
             borders.selected(BorderBehaviour::Comet)) {
    w.PlanetX[i] = Int((H - 900) * rnd.next()) + 900;  // from the height, as the "Edge" slide
    w.PlanetY[i] = Int((H - 300) * rnd.next());
  } else {
    RandomEdge(sim, i);
    if (Int(static_cast<double>(rnd.next()) + rnd.next()) == 0) RandomMo(sim, i);
  }
}

void moonAttempt(Sim& sim, int i, Mode m) {
  World& w = sim.world;
  if (m == Mode::Lunar) {
    Lunarfy(sim, i);
  } else {
    Moonify(sim, i);
  }
  Bomb(sim, drawPos(w.PlanetX[i]), drawPos(w.PlanetY[i]), BombKind::MoonAttemptCloud, i, 30);
  w.MoonAttempts = w.MoonAttempts + 1;
  if (w.MoonAttempts > 1000000) w.MoonAttempts = w.MoonAttempts - 1000000 + 0.1;
  BorderControls(sim).moonAttemptsLabel().setCaption(formatG(w.MoonAttempts));
}

}  // namespace

void RandomEdge(Sim& sim, int i) {
  if (!isBody(i)) return;
  World& w = sim.world;
  Rnd& rnd = sim.rnd;
  const double W = sim.W(), H = sim.H();
  const double sx = std::fabs(rnd.next() * w.MomentumX[i]);
  const double sy = std::fabs(rnd.next() * w.MomentumY[i]);
  const int e = static_cast<int>(Int(rnd.next() * 4.0));
  switch (e) {
    case 0:
      w.PlanetY[i] = 30;
      w.PlanetX[i] = Int((W - 930) * rnd.next()) + 930;
      break;
    case 1:
      w.PlanetX[i] = W - 30;
      w.PlanetY[i] = Int((H - 930) * rnd.next()) + 930;
      break;
    case 2:
      w.PlanetY[i] = H - 30;
      w.PlanetX[i] = Int((W - 30) * rnd.next()) + 30;
      break;
    default:
      w.PlanetX[i] = 930;
      w.PlanetY[i] = Int((W - 930) * rnd.next()) + 930;  // the vertical range comes from the width
      break;
  }
  const double s1 = randomSign(rnd);
  const double s2 = randomSign(rnd);
  w.MomentumX[i] = s1 * sx;
  w.MomentumY[i] = s2 * sy;
  if (e == 1) w.MomentumX[i] = -sx;
  if (e == 2) w.MomentumY[i] = -sy;
}

void RandomMo(Sim& sim, int i) {
  if (!isBody(i)) return;
  World& w = sim.world;
  const double v = BorderControls(sim).momentumField().lenient();
  w.MomentumY[i] = finiteOr(2 * sim.rnd.next() * v - v, 0);
  w.MomentumX[i] = finiteOr(2 * sim.rnd.next() * v - v, 0);
}

void Newton(Sim& sim, int i) {
  if (!isBody(i)) return;
  World& w = sim.world;
  if (BorderControls(sim).selected(BorderBehaviour::Die)) {
    w.MomentumX[i] = 0;
    w.MomentumY[i] = 0;
    w.PlanetOff[i] = 1;
  }
  const Mode m = replacementMode(sim, i);
  if (m == Mode::Plain) plainReplacement(sim, i);
  if ((m == Mode::Lunar || m == Mode::Moon) && w.PlanetOff[i] == 0) moonAttempt(sim, i, m);
  if (i == w.InspectedPlanet) ReOrbit(sim);
}

}  // namespace sw4
