#include <gtest/gtest.h>

#include "model/sim.h"
#include "program/gravity.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

// Two bodies in contact at the centre of a quiet field: body 2 at (5000, 5000), body 1 next to it.
struct Pair : ::testing::Test {
  Program sim;
  World& w = sim.world;
  void SetUp() override {
    w.TotalPlanets = 2;
    w.GConstant = 1;
    w.PlanetRadius = 10;
    w.PlanetCore = 4;
    w.CrustVolatility = 3;
    w.CrustSpan = 7;
    w.TagPlanet = -1;
    for (int i : {1, 2}) w.PlanetType[i] = 2, w.PlanetGravity[i] = 1;
    place(2, 5000, 5000, 1, 0);
    sim.form.Och(7).setValue(0);  // no border behaviour
    w.PlanetOff[0] = 1;           // and no sun, unless a test wants one
  }
  void place(int i, double x, double y, double mx, double my) {
    w.PlanetX[i] = x, w.PlanetY[i] = y, w.MomentumX[i] = mx, w.MomentumY[i] = my;
  }
  // Runs the pair visits of one tick without moving anybody first.
  void visit() { gravityPass(sim); }
};

TEST_F(Pair, CoincidentBodiesNeitherPullNorCollide) {
  place(1, 5000, 5000, 0, 0);
  sim.form.OpCollide(0).setValue(1);
  visit();
  EXPECT_EQ(w.MomentumX[1], 0);
  EXPECT_EQ(w.PlanetGravity[1], 1);
  EXPECT_EQ(sim.surface.dotCount(), 0);
}

TEST_F(Pair, CrustContactKicksBothWaysAndKeepsTheSum) {
  place(1, 5007, 5000, -2, 3);
  w.CrustVolatility = 0, w.CrustSpan = 1;
  visit();
  EXPECT_EQ(w.MomentumX[1], -2);
  EXPECT_EQ(w.MomentumY[2], 0);
  EXPECT_GT(sim.surface.dotCount(), 0);  // sparks all the same
  w.CrustVolatility = 3, w.CrustSpan = 7;
  double kicked = 0;
  for (int k = 0; k < 20; ++k) {
    visit();
    EXPECT_DOUBLE_EQ(w.MomentumX[1] + w.MomentumX[2], -1);
    EXPECT_DOUBLE_EQ(w.MomentumY[1] + w.MomentumY[2], 3);
    kicked += std::fabs(w.MomentumX[2] - 1);
  }
  EXPECT_GT(kicked, 0);
}

TEST_F(Pair, MergeOfEqualMassesKeepsTheOuterBody) {
  place(1, 5003, 5000, 4, 0);
  sim.form.OpCollide(0).setValue(1);
  sim.form.Och(5).setValue(1);  // replacement in the field, momentum kept
  visit();
  // (A, B) = (2, 1) comes first: body 2 survives with the mean momentum and 1.5 of gravity.
  EXPECT_EQ(w.PlanetGravity[2], 1.5);
  EXPECT_EQ(w.PlanetGravity[1], 0.5);
  EXPECT_EQ(w.MomentumX[2], 2.5);
  EXPECT_EQ(w.PlanetX[2], 5000);
  EXPECT_GE(w.PlanetX[1], 900);  // body 1 was replaced
}

TEST_F(Pair, MergeHoldsTheLesserMassAtTheFloor) {
  place(1, 5003, 5000, 0, 0);
  w.PlanetGravity[1] = 1e-14;
  sim.form.OpCollide(0).setValue(1);
  sim.form.Och(5).setValue(1);
  visit();
  EXPECT_EQ(w.PlanetGravity[1], 1e-14);
  EXPECT_EQ(w.PlanetGravity[2], 1 + 0.5e-14);
}

TEST_F(Pair, BondOfEqualMassesMeetsAtTheMidpoint) {
  place(1, 5004, 5000, 3, -1);
  sim.form.OpCollide(1).setValue(1);
  visit();
  EXPECT_EQ(w.PlanetX[1], 5002);
  EXPECT_EQ(w.PlanetX[2], 5002);
  EXPECT_EQ(w.MomentumX[1], 2);
  EXPECT_EQ(w.MomentumX[2], 2);
  EXPECT_EQ(w.MomentumY[1], -0.5);
}

TEST_F(Pair, BondMovesTheLighterOntoTheHeavier) {
  place(1, 5004, 5000, 0, 0);
  w.PlanetGravity[1] = 3;
  sim.form.OpCollide(1).setValue(1);
  visit();
  EXPECT_EQ(w.PlanetX[2], 5004);
}

TEST_F(Pair, BondWithTheSunSwallowsTheBody) {
  w.TotalPlanets = 1;
  w.PlanetOff[0] = 0;
  w.PlanetGravity[0] = 100;
  place(1, w.PlanetX[0] + 2, w.PlanetY[0], 5, 5);
  sim.form.OpCollide(1).setValue(1);
  sim.form.Och(5).setValue(1);
  visit();
  EXPECT_GT(std::hypot(w.PlanetX[1] - w.PlanetX[0], w.PlanetY[1] - w.PlanetY[0]), 2);
  EXPECT_GT(sim.surface.dotCount(), 3);
}

TEST_F(Pair, WeightlessBodiesShareEqually) {
  place(1, 5003, 5000, 4, 2);
  w.PlanetGravity[1] = w.PlanetGravity[2] = 0;
  sim.form.OpCollide(1).setValue(1);
  visit();
  EXPECT_EQ(w.MomentumX[1], 2.5);
  EXPECT_EQ(w.MomentumY[2], 1);
  EXPECT_TRUE(testing::worldIsSound(sim));
}

TEST_F(Pair, IgnorLetsThemPassWithoutPull) {
  place(1, 5003, 5000, 0, 0);
  visit();
  EXPECT_EQ(w.MomentumX[1], 0);
  EXPECT_EQ(w.PlanetGravity[1], 1);
}

}  // namespace
}  // namespace sw4
