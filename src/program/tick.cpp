// One tick of the simulation, run by the Ti timer.
#include <string>

#include "borders/borders.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/fault.h"
#include "platform/readings.h"
#include "program/gravity.h"
#include "program/program.h"
#include "program/program_controls.h"
#include "scenarios/scenarios.h"

namespace sw4 {

namespace {

// Marks the tick as running; a Ti event that arrives during the tick's event processing does
// nothing, so two ticks never interleave.
class TickGuard {
 public:
  explicit TickGuard(Sim& sim) : sim_(sim) { sim_.inTick = true; }
  ~TickGuard() { sim_.inTick = false; }

 private:
  Sim& sim_;
};

// The watched body from TXTOden; a text that is not a 16-bit number names no body (-1).
std::int16_t watchedBody(const Control& field) {
  if (!field.strictOk()) return -1;
  const double v = roundHalfEven(field.strict());
  if (!(v >= -32768 && v <= 32767)) return -1;
  return static_cast<std::int16_t>(v);
}

void tickOnce(Sim& sim) {
  TickGuard guard(sim);
  World& w = sim.world;
  const ProgramControls program(sim);

  w.GExponent = program.gravityFields()(2).lenient();

  // Past 999999 it starts again at 0 (compared first, so no value can overflow the Long).
  w.TickCount = w.TickCount >= 999999 ? 0 : w.TickCount + 1;
  program.tickCountLabel().setCaption(std::to_string(w.TickCount));

  // A sun gravity that is not a number counts as no sun to show.
  const Control& sunGravity = program.gravityFields()(0);
  const bool noSun = !sunGravity.strictOk() || sunGravity.strict() == 0 || w.PlanetOff[0] == 1;
  program.sunPicture().setVisible(!noSun);

  w.InspectedPlanet = watchedBody(program.bodyField());

  if (w.StarIndex > 2 && w.StarIndex < w.TotalPlanets + 1) StarMaker(sim);

  for (int a = w.TotalPlanets; a >= 0; --a) {
    motionStep(sim, a);
    borderStep(sim, a);
  }

  recordsStep(sim);
  gravityPass(sim);
  sim.tickDone();
}

void runAfterTick(Sim& sim) {
  while (!sim.afterTick.empty()) {
    const auto actions = std::move(sim.afterTick);
    sim.afterTick.clear();
    for (const auto& action : actions) action();
  }
}

}  // namespace

void betweenTicks(Sim& sim, std::function<void()> action) {
  if (sim.inTick) {
    sim.afterTick.push_back(std::move(action));
  } else {
    action();
  }
}

void tick(Sim& sim) {
  if (sim.inTick) return;
  ++sim.ticksRun;
  try {
    tickOnce(sim);
  } catch (const Fault&) {
    runAfterTick(sim);
    throw;
  }
  runAfterTick(sim);
}

}  // namespace sw4
