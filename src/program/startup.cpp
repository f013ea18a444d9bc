// The window's start-up and "Go": a new random system from the fields.
#include <cmath>
#include <cstdlib>

#include "model/body_kind.h"
#include "model/sim.h"
#include "model/world.h"
#include "platform/readings.h"
#include "program/program.h"
#include "program/program_controls.h"
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
  if (ProgramControls(sim).spinBox().value() == 0) {
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
  const ProgramControls program(sim);
  const ControlArray& gravity = program.gravityFields();
  const ControlArray& classes = program.classFields();
  Control& pause = program.pauseButton();
  Control& seed = program.seedField();
  Control& count = program.countField();
  Control& tickTimer = program.tickTimer();
  Control& sun = program.sunPicture();
  Control& spiral = program.spiralBox();

  program.screenHint().setVisible(false);
  w.GConstant = program.constantField().strict();  // a text that is not a number stops "Go" here
  pause.setLeft(30);
  seed.setEnabled(false);
  program.randomSeedBox().setVisible(false);
  for (int k = 0; k <= 2; ++k) classes(k).setEnabled(false);
  for (Control* p : program.presetButtons().members()) p->setVisible(false);
  program.goButton().setVisible(false);
  pause.setVisible(true);

  w.TagPlanet = CIntSaturated(program.tagField().lenient());
  count.setEnabled(false);
  w.CrustVolatility = CIntSaturated(program.crustField().lenient());
  w.CrustSpan = 2 * w.CrustVolatility + 1;
  w.PlanetCore = CIntSaturated(program.coreField().lenient());

  program.seedTimer().setEnabled(false);

  w.MomentumRange = CIntSaturated(program.momentumField().lenient());
  w.MomentumSpan = 2 * w.MomentumRange + 1;
  w.MomentumQuarter = CIntSaturated(w.MomentumRange / 4.0);
  w.TotalPlanets = bodyCount(count);
  w.PlanetRadius = CIntSaturated(program.radiusField().lenient());

  tickTimer.setInterval(timerPeriodMs(program.tickField().lenient()));
  sim.rnd.seed(seed.lenient());

  const int last = w.TotalPlanets;
  for (int i = 1; i <= last; ++i) {
    placeRandomly(sim, i);
    const BodyKind kind = bodyKindOf(sim.form, i);
    w.PlanetType[i] = static_cast<int>(kind);
    w.PlanetGravity[i] = gravityFieldOf(sim.form, kind).lenient();
  }
  if (classes(0).lenient() > 0) w.PlanetGravity[1] = gravity(1).lenient();
  w.PlanetGravity[0] = gravity(0).lenient();

  const float halfW = sim.W() / 2.0f, halfH = sim.H() / 2.0f;
  w.PlanetX[0] = Int(halfW);
  w.PlanetY[0] = Int(halfH);
  sun.setLeft(static_cast<int>(Int(halfW)) - sun.width() / 2);
  sun.setTop(static_cast<int>(Int(halfH)) - sun.height() / 2);
  program.moonPicture().setVisible(false);

  tickTimer.setEnabled(true);
  if (spiral.value() == 1) {
    spiral.setValue(0);
    spiral.setValue(1);
  }
  if (program.starPanel().visible()) program.starsButton().setValue(1);
}

}  // namespace

void startUp(Sim& sim) {
  sim.world.Pi = 3.14159265358979;
  sim.world.SlomoDivisor = 1;
  ProgramControls(sim).sunFixedBox().setValue(1);
}

void wireStartAndGo(Sim& sim) {
  ProgramControls(sim).goButton().on(Event::Click, [&sim] { go(sim); });
}

}  // namespace sw4
