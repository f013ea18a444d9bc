// What happens to a body that leaves the playing field, by the border option chosen.
#include "borders/borders.h"

#include "borders/border_controls.h"
#include "borders/field_edges.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

void wrap(Sim& sim, int i) {
  World& w = sim.world;
  const FieldEdges e(sim);
  const int k = w.SlomoDivisor;
  if (e.pastLeft(w.PlanetX[i])) w.PlanetX[i] = e.W, w.MomentumX[i] /= k;
  if (e.pastRight(w.PlanetX[i])) w.PlanetX[i] = 900, w.MomentumX[i] /= k;
  if (e.pastTop(w.PlanetY[i])) w.PlanetY[i] = e.bottom, w.MomentumY[i] /= k;
  if (e.pastBottom(w.PlanetY[i])) w.PlanetY[i] = 0, w.MomentumY[i] /= k;
}

// "Wall" (keep 1) and "Comet" (keep 1/2): the reversed component is scaled.
void bounce(Sim& sim, int i, double keep) {
  World& w = sim.world;
  const FieldEdges e(sim);
  if (e.pastLeft(w.PlanetX[i])) w.MomentumX[i] = -w.MomentumX[i] * keep, w.PlanetX[i] = 930;
  if (e.pastRight(w.PlanetX[i]))
    w.MomentumX[i] = -w.MomentumX[i] * keep, w.PlanetX[i] = e.W - 30.0f;
  if (e.pastTop(w.PlanetY[i])) w.MomentumY[i] = -w.MomentumY[i] * keep, w.PlanetY[i] = 30;
  if (e.pastBottom(w.PlanetY[i]))
    w.MomentumY[i] = -w.MomentumY[i] * keep, w.PlanetY[i] = e.H - 330.0f;
}

void slide(Sim& sim, int i) {
  World& w = sim.world;
  Rnd& rnd = sim.rnd;
  const FieldEdges e(sim);
  const double H = e.H;
  if (e.pastLeft(w.PlanetX[i])) {
    w.MomentumX[i] = -w.MomentumX[i] / 2;
    w.PlanetX[i] = 930;
    w.PlanetY[i] = Int((H - 300) * rnd.next());
  }
  if (e.pastRight(w.PlanetX[i])) {
    w.MomentumX[i] = -w.MomentumX[i] / 2;
    w.PlanetX[i] = e.W - 30.0f;
    w.PlanetY[i] = Int((H - 300) * rnd.next());
  }
  if (e.pastTop(w.PlanetY[i])) {
    w.MomentumY[i] = -w.MomentumY[i] / 2;
    w.PlanetY[i] = 30;
    w.PlanetX[i] = Int((H - 900) * rnd.next()) + 900;  // the slide range comes from the height
  }
  if (e.pastBottom(w.PlanetY[i])) {
    w.MomentumY[i] = -w.MomentumY[i] / 2;
    w.PlanetY[i] = e.H - 330.0f;
    w.PlanetX[i] = Int((H - 900) * rnd.next()) + 900;
  }
}

void fourDim(Sim& sim, int i) {
  World& w = sim.world;
  if (!FieldEdges(sim).pastAny(w.PlanetX[i], w.PlanetY[i])) return;
  w.MomentumX[i] = -w.MomentumX[i] / 2;
  w.MomentumY[i] = -w.MomentumY[i] / 2;
  Newton(sim, i);
}

void chaos(Sim& sim, int i) {
  World& w = sim.world;
  const FieldEdges e(sim);
  const double x = w.PlanetX[i], y = w.PlanetY[i];
  if (!(e.pastLeft(x) || e.pastRight(x) || e.pastTop(y) || asSingle(y) > e.H)) return;
  RandomEdge(sim, i);
  if (Int(static_cast<double>(sim.rnd.next()) + sim.rnd.next()) == 0) RandomMo(sim, i);
}

void die(Sim& sim, int i) {
  World& w = sim.world;
  if (FieldEdges(sim).pastAny(w.PlanetX[i], w.PlanetY[i])) w.PlanetOff[i] = 1;
}

}  // namespace

void borderStep(Sim& sim, int i) {
  if (!isBody(i)) return;
  const std::optional<BorderBehaviour> b = BorderControls(sim).behaviour();
  if (!b) return;
  switch (*b) {
    case BorderBehaviour::Wrap:
    case BorderBehaviour::Slomo:
      return wrap(sim, i);
    case BorderBehaviour::Wall:
      return bounce(sim, i, 1.0);
    case BorderBehaviour::Comet:
      return bounce(sim, i, 0.5);
    case BorderBehaviour::Edge:
      return slide(sim, i);
    case BorderBehaviour::FourDim:
      return fourDim(sim, i);
    case BorderBehaviour::Chaos:
      return chaos(sim, i);
    case BorderBehaviour::Die:
      return die(sim, i);
  }
}

void wireBorders(Sim& sim) {
  const BorderControls borders(sim);
  const Control& slomo = borders.option(BorderBehaviour::Slomo);
  for (Control* c : borders.options().members())
    c->on(Event::Click, [&sim, slomo = c == &slomo] { sim.world.SlomoDivisor = slomo ? 2 : 1; });
}

}  // namespace sw4
