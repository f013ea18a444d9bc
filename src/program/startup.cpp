// The window's start-up and "Go": a new random system from the fields.
#include <cmath>
#include <cstdlib>

#include "model/body_kind.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"
#include "program/program.h"
#include "program/timer_period.h"

namespace sw4 {

namespace {

// The count field at "Go": absolute value of its leading number, held within the body arrays.
std::int16_t bodyCount(const Control& field) {
  return static_cast<std::int16_t>(
      std::min<int>(CIntSaturated(std::fabs(field.lenient())), kMaxBody));
}

void placeRandomly(Sim& sim, int i) {
  World& w = sim.world;
  Rnd& rnd = sim.rnd;
  const double W = sim.W(), H = sim.H();
  if (sim.form.CHgod.value() == 0) {
    w.MomentumX[i] = Int(rnd.next() * static_cast<double>(w.MomentumSpan)) - w.MomentumRange;
    w.MomentumY[i] = Int(rnd.next() * static_cast<double>(w.MomentumSpan)) - w.MomentumRange;
    w.PlanetX[i] = Int(rnd.next() * W);
    w.PlanetY[i] = Int(rnd.next() * H);
  } else {
    w.MomentumX[i] = Int(rnd.next() * static_cast<double>(w.MomentumRange)) + w.MomentumQuarter;
    w.MomentumY[i] = Int(rnd.next() * static_cast<double>(w.MomentumRange)) + w.MomentumQuarter;
    const double r = rnd.next();
    w.PlanetX[i] = Int(W * 0.35 * r) + W * 0.5;
    w.PlanetY[i] = Int(rnd.next() * (H * 0.5));
  }
}

void go(Sim& sim) {
  World& w = sim.world;
  Fs4& f = sim.form;

  f.Label12.setVisible(false);
  w.GConstant = f.TxTconstant.strict();  // a text that is not a number stops "Go" here
  f.Command5.setLeft(30);
  f.TXran.setEnabled(false);
  f.CHran.setVisible(false);
  for (int k = 0; k <= 2; ++k) f.TXw(k).setEnabled(false);
  for (Control* p : f.CDp.members()) p->setVisible(false);
  f.Command2.setVisible(false);
  f.Command5.setVisible(true);

  w.TagPlanet = CIntSaturated(f.Text7.lenient());
  f.TXn.setEnabled(false);
  w.CrustVolatility = CIntSaturated(f.Text4.lenient());
  w.CrustSpan = 2 * w.CrustVolatility + 1;
  w.PlanetCore = CIntSaturated(f.Text5.lenient());

  f.Tr.setEnabled(false);

  w.MomentumRange = CIntSaturated(f.Text2.lenient());
  w.MomentumSpan = 2 * w.MomentumRange + 1;
  w.MomentumQuarter = CIntSaturated(w.MomentumRange / 4.0);
  w.TotalPlanets = bodyCount(f.TXn);
  w.PlanetRadius = CIntSaturated(f.Text1.lenient());

  f.Ti.setInterval(timerPeriodMs(f.TXt.lenient()));
  sim.rnd.seed(f.TXran.lenient());

  const int last = w.TotalPlanets;
  for (int i = 1; i <= last; ++i) {
    placeRandomly(sim, i);
    const BodyKind kind = bodyKindOf(f, i);
    w.PlanetType[i] = static_cast<int>(kind);
    w.PlanetGravity[i] = gravityFieldOf(f, kind).lenient();
  }
  if (f.TXw(0).lenient() > 0) w.PlanetGravity[1] = f.TXg(1).lenient();
  w.PlanetGravity[0] = f.TXg(0).lenient();

  const float halfW = sim.W() / 2.0f, halfH = sim.H() / 2.0f;
  w.PlanetX[0] = Int(halfW);
  w.PlanetY[0] = Int(halfH);
  f.ImSun.setLeft(static_cast<int>(Int(halfW)) - f.ImSun.width() / 2);
  f.ImSun.setTop(static_cast<int>(Int(halfH)) - f.ImSun.height() / 2);
  f.ImMoon.setVisible(false);

  f.Ti.setEnabled(true);
  if (f.ChSpi.value() == 1) {
    f.ChSpi.setValue(0);
    f.ChSpi.setValue(1);
  }
  if (f.Frame7.visible()) f.CDstar.setValue(1);
}

}  // namespace

void startUp(Sim& sim) {
  sim.world.Pi = 3.14159265358979;
  sim.world.SlomoDivisor = 1;
  sim.form.CHsol.setValue(1);
}

void wireStartAndGo(Sim& sim) {
  sim.form.Command2.on(Event::Click, [&sim] { go(sim); });
}

}  // namespace sw4
