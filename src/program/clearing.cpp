// "Clear", periodic clearing, the running seed and "X".
#include <string>

#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/readings.h"
#include "program/program.h"
#include "program/program_controls.h"
#include "program/timer_period.h"

namespace sw4 {

namespace {

void setClearingPeriod(const ProgramControls& program) {
  program.clearingTimer().setInterval(timerPeriodMs(program.clearingField().lenient() * 1000));
}

}  // namespace

void wireClearingAndSeed(Sim& sim) {
  const ProgramControls program(sim);
  program.clearButton().on(Event::Click, [&sim] {
    sim.surface.clear();
    ReOrbit(sim);
    sim.world.VelocityMax = 0;
    sim.world.VelocityMin = 0;
  });
  program.clearingBox().on(Event::Click, [program] {
    if (program.clearingBox().value() == 1) {
      program.clearingField().setVisible(true);
      setClearingPeriod(program);
      program.clearingTimer().setEnabled(true);
    } else {
      program.clearingField().setVisible(false);
      program.clearingTimer().setEnabled(false);
    }
  });
  program.clearingField().on(Event::LostFocus, [program] { setClearingPeriod(program); });
  program.clearingTimer().on(Event::Timer, [&sim, program] {
    if (!program.bodyField().visible()) sim.surface.clear();
  });
  program.seedTimer().on(Event::Timer, [&sim, program] {
    World& w = sim.world;
    int next = w.SeedCounter + 1;
    if (next > 32000) next = -32000;
    w.SeedCounter = static_cast<std::int16_t>(next);
    program.seedField().setText(std::to_string(w.SeedCounter));
  });
  program.randomSeedBox().on(Event::Click, [program] {
    program.seedTimer().setEnabled(program.randomSeedBox().value() != 1);
  });
  program.seedField().on(Event::LostFocus, [program] {
    Control& t = program.seedField();
    if (t.lenient() < -32767) t.setText("-32767");
    if (t.lenient() > 32767) t.setText("32767");
  });
  program.exitButton().on(Event::Click, [&sim] {
    sim.ended = true;
    sim.endProgram();
  });
}

}  // namespace sw4
