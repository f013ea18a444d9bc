#include "moons/moons.h"

#include <gtest/gtest.h>

#include <cmath>

#include "borders/borders.h"
#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

struct Moons : ::testing::Test {
  Program sim;
  World& w = sim.world;
  void SetUp() override {
    w.TotalPlanets = 20;
    for (int p = 0; p <= 4; ++p) {
      w.PlanetX[p] = 2000 + 1000 * p, w.PlanetY[p] = 3000;
      w.MomentumX[p] = 2, w.MomentumY[p] = -1;
    }
    w.PlanetOff[0] = 1;  // keep the sun out: every parent is then 1000 twips from the others
  }
  int nearestParent(int m) const {
    int best = 0;
    for (int p = 1; p <= 4; ++p)
      if (std::fabs(w.PlanetX[m] - w.PlanetX[p]) < std::fabs(w.PlanetX[m] - w.PlanetX[best]))
        best = p;
    return best;
  }
};

TEST_F(Moons, LunarPlacesWithinTheSpreadOfAnAliveParent) {
  for (int k = 0; k < 200; ++k) {
    Lunarfy(sim, 10);
    const int p = nearestParent(10);
    EXPECT_NE(p, 0);
    EXPECT_LE(std::fabs(w.PlanetX[10] - w.PlanetX[p]), 55);
    EXPECT_LE(std::fabs(w.PlanetY[10] - w.PlanetY[p]), 55);
    EXPECT_LE(std::fabs(w.MomentumX[10]), 4);
    EXPECT_GE(w.MomentumX[10], -4);
  }
}

TEST_F(Moons, MoonEjectsFromJustUpLeftOfTheParent) {
  sim.form.OpCollide(1).setValue(1);
  for (int k = 0; k < 200; ++k) {
    Moonify(sim, 10);
    const int p = nearestParent(10);
    EXPECT_LE(w.PlanetX[10], w.PlanetX[p]);
    EXPECT_GT(w.PlanetX[10], w.PlanetX[p] - 1);
    EXPECT_LE(std::fabs(w.MomentumX[10]), 110);
  }
  EXPECT_TRUE(sim.form.OpCollide(2).selected());  // "Bond" gives way to "Ignor"
}

TEST_F(Moons, LunarGivesUpWhenNoParentIsAlive) {
  for (int p = 0; p <= 4; ++p) w.PlanetOff[p] = 1;
  w.PlanetX[10] = 777;
  Lunarfy(sim, 10);
  EXPECT_EQ(w.PlanetX[10], 777);
}

TEST_F(Moons, TickingLunarMakesAFirstAttemptAndSwitchesTheBorder) {
  w.PlanetX[20] = 9999;
  sim.form.CHLun.userClick();
  EXPECT_TRUE(sim.form.Text8.visible());
  EXPECT_TRUE(sim.form.Lapollo.visible());
  EXPECT_NE(w.PlanetX[20], 9999);
  EXPECT_TRUE(sim.form.Och(5).selected());
  EXPECT_EQ(w.MoonAttempts, 0);
  sim.form.CHLun.userClick();
  EXPECT_FALSE(sim.form.Text8.visible());
}

TEST_F(Moons, NewtonCountsAttemptsAndSparesTheGiants) {
  sim.form.CHLun.setValue(1);
  sim.form.Och(2).setValue(1);
  Newton(sim, 7);
  EXPECT_EQ(w.MoonAttempts, 1);
  EXPECT_EQ(sim.form.Lapollo.caption(), "1");
  Newton(sim, 1);
  EXPECT_EQ(w.MoonAttempts, 1);
  w.MoonAttempts = 1000000;
  Newton(sim, 7);
  EXPECT_EQ(sim.form.Lapollo.caption(), "1.1");
}

TEST_F(Moons, BothBoxesUseTheEjection) {
  sim.form.CHLun.setValue(1);
  sim.form.ChMoon.setValue(1);
  sim.form.Och(2).setValue(1);
  Newton(sim, 7);
  const int p = nearestParent(7);
  EXPECT_LE(w.PlanetX[p] - w.PlanetX[7], 1);
}

TEST(MoonsBeforeGo, LunarMovesTheSunNextToAParent) {
  Program sim;
  sim.form.CHLun.userClick();
  EXPECT_LE(std::fabs(sim.world.PlanetX[0]), 55);  // bodies 1 to 4 all sit at the origin
}

TEST(MoonsBeforeGo, HugeSpreadKeepsValuesFinite) {
  Program sim;
  sim.world.PlanetX[1] = 1e308;
  sim.form.Text8.setText("99999");
  sim.form.Text1.setText("1e308");
  sim.form.CHLun.userClick();
  sim.form.ChMoon.userClick();
  EXPECT_TRUE(testing::worldIsSound(sim));
}

}  // namespace
}  // namespace sw4
