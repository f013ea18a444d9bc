#pragma once
// The program: a Sim with every subsystem's handlers attached, started up as the window starts.
#include "model/sim.h"

namespace sw4 {

class Program : public Sim {
 public:
  Program();
};

// The procedures the program itself owns.
void tick(Sim& sim);     // run by the Ti timer
void startUp(Sim& sim);  // the window's start-up
void wireStartAndGo(Sim& sim);
void wireClearingAndSeed(Sim& sim);

}  // namespace sw4
