#include "borders/borders.h"

#include <gtest/gtest.h>

#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

constexpr double W = 15360, H = 11520;

struct Border : ::testing::Test {
  Program sim;
  World& w = sim.world;
  void SetUp() override { w.TotalPlanets = 5; }
  void choose(int option) { sim.form.Och(option).userClick(); }
  void at(int i, double x, double y, double mx, double my) {
    w.PlanetX[i] = x, w.PlanetY[i] = y, w.MomentumX[i] = mx, w.MomentumY[i] = my;
  }
};

TEST_F(Border, WrapComesBackAtTheOtherSide) {
  choose(2);
  at(3, 899, 400, -5, 1);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetX[3], W);
  EXPECT_EQ(w.MomentumX[3], -5);
  at(3, 4000, -1, 0, -3);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetY[3], H - 300);
  at(3, 4000, H - 300, 0, 3);  // exactly on the edge has not crossed
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetY[3], H - 300);
  at(3, 4000, H - 299.5, 0, 3);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetY[3], 0);
}

TEST_F(Border, SlomoHalvesTheCrossingMomentum) {
  choose(0);
  EXPECT_EQ(w.SlomoDivisor, 2);
  at(3, W + 1, 400, 8, 6);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetX[3], 900);
  EXPECT_EQ(w.MomentumX[3], 4);
  EXPECT_EQ(w.MomentumY[3], 6);
  choose(2);
  EXPECT_EQ(w.SlomoDivisor, 1);
}

TEST_F(Border, WallAndCometBounce) {
  choose(1);
  at(3, W + 5, 400, 8, 6);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetX[3], W - 30);
  EXPECT_EQ(w.MomentumX[3], -8);
  EXPECT_EQ(w.MomentumY[3], 6);
  choose(3);
  at(3, 400, H, -8, 6);  // left and bottom at once
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetX[3], 930);
  EXPECT_EQ(w.PlanetY[3], H - 330);
  EXPECT_EQ(w.MomentumX[3], 4);
  EXPECT_EQ(w.MomentumY[3], -3);
}

TEST_F(Border, EdgeSlidesAlongTheEdgeWithinTheHeight) {
  choose(4);
  for (int k = 0; k < 200; ++k) {
    at(3, 5000, -10, 0, -6);
    borderStep(sim, 3);
    EXPECT_EQ(w.PlanetY[3], 30);
    EXPECT_EQ(w.MomentumY[3], 3);
    EXPECT_GE(w.PlanetX[3], 900);
    EXPECT_LT(w.PlanetX[3], H);
  }
}

TEST_F(Border, FourDimReversesHalvesAndReplaces) {
  choose(5);
  at(3, 100, 400, -8, 6);
  borderStep(sim, 3);
  EXPECT_EQ(w.MomentumX[3], 4);
  EXPECT_EQ(w.MomentumY[3], -3);
  EXPECT_GE(w.PlanetX[3], 900);
  EXPECT_LT(w.PlanetY[3], H - 300);
}

TEST_F(Border, ChaosIgnoresTheBottomStrip) {
  choose(6);
  at(3, 5000, H - 100, 1, 1);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetY[3], H - 100);
  at(3, 5000, H + 1, 1, 1);
  borderStep(sim, 3);
  EXPECT_NE(w.PlanetY[3], H + 1);
}

TEST_F(Border, DieSwitchesOffAndKeepsTheRest) {
  at(3, 5000, -4, 1, -1);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetOff[3], 1);
  EXPECT_EQ(w.PlanetY[3], -4);
  EXPECT_EQ(w.MomentumY[3], -1);
}

TEST_F(Border, HugePositionsAreTestedWithoutFault) {
  choose(2);
  at(3, 1e300, -1e300, 0, 0);
  borderStep(sim, 3);
  EXPECT_EQ(w.PlanetX[3], 900);
  EXPECT_EQ(w.PlanetY[3], H - 300);
}

TEST_F(Border, RandomEdgeEntersMovingInward) {
  for (int k = 0; k < 300; ++k) {
    at(3, 0, 0, 10, 10);
    RandomEdge(sim, 3);
    if (w.PlanetX[3] == W - 30) {
      EXPECT_LE(w.MomentumX[3], 0);
    }
    if (w.PlanetY[3] == H - 30) {
      EXPECT_LE(w.MomentumY[3], 0);
    }
    EXPECT_LE(std::fabs(w.MomentumX[3]), 10);
  }
}

TEST_F(Border, RandomMoStaysWithinTheMomentumField) {
  sim.form.Text2.setText("20");
  for (int k = 0; k < 300; ++k) {
    RandomMo(sim, 3);
    EXPECT_GE(w.MomentumX[3], -20);
    EXPECT_LT(w.MomentumX[3], 20);
  }
  sim.form.Text2.setText("1e308");
  RandomMo(sim, 3);
  EXPECT_TRUE(testing::worldIsSound(sim));
}

TEST_F(Border, NewtonLeavesTheGiantsAloneWhileBodyOneIsOff) {
  choose(2);
  w.PlanetOff[1] = 1;
  at(2, 5000, 5000, 3, 3);
  Newton(sim, 2);
  EXPECT_EQ(w.PlanetX[2], 5000);
  EXPECT_EQ(w.MomentumX[2], 3);
  w.PlanetOff[1] = 0;
  Newton(sim, 2);
  EXPECT_NE(w.PlanetX[2], 5000);
}

TEST_F(Border, NewtonUnderDieSwitchesOffButStillPlaces) {
  at(3, 5000, 5000, 3, 3);
  Newton(sim, 3);
  EXPECT_EQ(w.PlanetOff[3], 1);
  EXPECT_FALSE(w.PlanetX[3] == 5000 && w.PlanetY[3] == 5000);
}

TEST_F(Border, NewtonWithSpinReturnsToTheUpperRightAndAntiClockwiseReverses) {
  choose(2);
  w.MomentumRange = 20, w.MomentumQuarter = 5;
  sim.form.CHgod.setValue(1);
  for (int k = 0; k < 50; ++k) {
    Newton(sim, 4);
    EXPECT_GE(w.PlanetX[4], W / 2);
    EXPECT_LT(w.PlanetY[4], H / 2);
    EXPECT_GE(w.MomentumY[4], 5);
  }
  sim.form.Check1.setValue(1);
  Newton(sim, 4);
  EXPECT_LE(w.MomentumY[4], -5);
}

TEST(BorderSoak, EveryBorderAndCollisionOptionKeepsTheWorldSound) {
  for (int border = 0; border < 8; ++border) {
    for (int collide = 0; collide < 3; ++collide) {
      Program sim;
      testing::withoutStarPanel(sim);
      sim.form.Text1.setText("40");  // plenty of contacts
      sim.form.Text5.setText("20");
      sim.form.Och(border).userClick();
      sim.form.OpCollide(collide).userClick();
      sim.form.Command2.userClick();
      for (int t = 0; t < 10000; ++t) tick(sim);
      ASSERT_TRUE(testing::worldIsSound(sim)) << border << "/" << collide;
    }
  }
}

}  // namespace
}  // namespace sw4
