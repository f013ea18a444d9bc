#include "sessions/invariants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "program/program.h"

namespace sw4::robust {
namespace {

// The rule a program breaks, "" when it keeps them all.
std::string broken(const Sim& sim, const Invariants& inv = {}) {
  const auto m = inv.check(sim);
  return m ? std::string(ruleOf(*m)) : "";
}

TEST(Invariants, AFreshAndARunningProgramKeepEveryRule) {
  Program sim;
  EXPECT_EQ(broken(sim), "");
  sim.form.Command2.userClick();
  for (int k = 0; k < 5; ++k) sim.form.Ti.fire();
  EXPECT_EQ(broken(sim), "");
}

TEST(Invariants, ABodyValueThatIsNotFinite) {
  Program sim;
  sim.world.MomentumY[999] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(broken(sim), "body value");
  sim.world.MomentumY[999] = 0;
  sim.world.PlanetGravity[0] = -std::numeric_limits<double>::infinity();
  EXPECT_EQ(broken(sim), "body value");
}

TEST(Invariants, OffFlagsCountsAndWorldDoubles) {
  Program sim;
  sim.world.PlanetOff[500] = 2;
  EXPECT_EQ(broken(sim), "off flag");
  sim.world.PlanetOff[500] = 1;
  sim.world.TotalPlanets = 1000;
  EXPECT_EQ(broken(sim), "count");
  sim.world.TotalPlanets = 0;
  sim.world.SlomoDivisor = 0;
  EXPECT_EQ(broken(sim), "count");
  sim.world.SlomoDivisor = 2;
  sim.world.Aphelion = std::numeric_limits<double>::infinity();
  EXPECT_EQ(broken(sim), "world value");
}

TEST(Invariants, ATickStillRunning) {
  Program sim;
  sim.inTick = true;
  EXPECT_EQ(broken(sim), "tick");
}

TEST(Invariants, KeptCountersUnlessTheScriptSetThemOutside) {
  Program sim;
  Invariants inv;
  sim.world.StarIndex = 1001;
  EXPECT_EQ(broken(sim, inv), "counter");
  inv.noteSet("StarIndex", "500");  // within the range: still checked
  EXPECT_EQ(broken(sim, inv), "counter");
  inv.noteSet("StarIndex", "1001");
  EXPECT_EQ(broken(sim, inv), "");
  sim.world.TickCount = -1;
  EXPECT_EQ(broken(sim, inv), "counter");
}

TEST(Invariants, ControlValues) {
  Program sim;
  // The model keeps these itself; the rules catch a control forced past it.
  sim.form.Qui.setMin(10);
  EXPECT_EQ(sim.form.Qui.value(), 10);
  EXPECT_EQ(broken(sim), "");
  sim.form.Ti.setInterval(-1);
  EXPECT_EQ(broken(sim), "timer");
}

}  // namespace
}  // namespace sw4::robust
