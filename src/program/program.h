#pragma once
// The program: a Sim with every subsystem's handlers attached, started up as the window starts.
#include <functional>

#include "model/sim.h"

namespace sw4 {

class Program : public Sim {
 public:
  Program();
};

// The procedures the program itself owns.
void tick(Sim& sim);     // run by the Ti timer
void startUp(Sim& sim);  // the window's start-up
// Runs `action` now or, asked for inside a tick (from its event processing), once the tick ends.
void betweenTicks(Sim& sim, std::function<void()> action);
// New: every control at its design-time state, the world zeroed, the generator, the timers and
// the drawing as at start-up, then the start-up again; between ticks.
void newRun(Sim& sim);
void wireStartAndGo(Sim& sim);
void wireClearingAndSeed(Sim& sim);

}  // namespace sw4
