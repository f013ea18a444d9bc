#include <gtest/gtest.h>

#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {
namespace {

constexpr int kX = 3000, kY = 3000;  // on a pixel's first twip

Color dotOf(Sim& sim, int body) {
  sim.surface.clear();
  Bomb(sim, kX, kY, 1, body, body);
  return sim.surface.pixel(kX, kY);
}

struct Dots : ::testing::Test {
  Sim sim;
  void SetUp() override {
    sim.world.TotalPlanets = 200;
    for (int i = 1; i <= 200; ++i) {
      sim.world.PlanetType[i] = i <= 2 ? 1 : i <= 102 ? 2 : i <= 152 ? 3 : 4;
      sim.world.PlanetGravity[i] = 0.01;  // spread 0: the dot lands on the spot
    }
  }
};

TEST_F(Dots, ColourByNumberPalette) {
  EXPECT_EQ(dotOf(sim, 100), rgb(155, 93, 83));
  EXPECT_EQ(dotOf(sim, 1), rgb(255, 0, 0));
  EXPECT_EQ(dotOf(sim, 2), rgb(255, 181, 63));
  EXPECT_EQ(dotOf(sim, 0), rgb(255, 191, 128));  // the sun's type is 0
}

TEST_F(Dots, TypePalettes) {
  sim.form.ChCol.setValue(0);
  EXPECT_EQ(dotOf(sim, 1), rgb(255, 0, 0));
  EXPECT_EQ(dotOf(sim, 3), rgb(222, 255, 255));  // first waterworlds after the giants
  EXPECT_EQ(dotOf(sim, 4), rgb(200, 238, 255));
  EXPECT_EQ(dotOf(sim, 5), rgb(170, 55, 191));
  // An asteroid: S = 100.
  EXPECT_EQ(dotOf(sim, 160), rgb(134, 68, 1));  // an asteroid with shade 160
  sim.world.PlanetType[7] = 9;  // no palette for an unknown type
  EXPECT_EQ(dotOf(sim, 7), rgb(0, 0, 0));
}

TEST_F(Dots, WatchedBodyStandsOutWhileRecordsAreOn) {
  sim.world.InspectedPlanet = 1;
  sim.form.ChLim.setValue(1);
  EXPECT_EQ(dotOf(sim, 1), rgb(255, 250, 100));
  sim.form.ChLim.setValue(0);
  EXPECT_EQ(dotOf(sim, 1), rgb(255, 0, 0));
}

TEST_F(Dots, CachedColoursFollowTheirInputs) {
  EXPECT_EQ(dotOf(sim, 100), rgb(155, 93, 83));
  sim.world.TotalPlanets = 100;  // S becomes 200
  EXPECT_EQ(redOf(dotOf(sim, 100)), 255);
  sim.world.TotalPlanets = 200;
  sim.world.PlanetType[100] = 0;
  EXPECT_EQ(dotOf(sim, 100), rgb(255, 191, 128));
  sim.world.PlanetType[100] = 2;
  sim.form.ChCol.setValue(0);
  sim.form.TXw(0).setText("3");  // body 4 is now the first waterworld
  EXPECT_EQ(dotOf(sim, 4), rgb(222, 255, 255));
}

TEST_F(Dots, SpreadThresholdsAreStrict) {
  sim.world.PlanetGravity[50] = 0.09;
  for (int k = 0; k < 50; ++k) Bomb(sim, kX, kY, 1, 50, 50);
  EXPECT_EQ(sim.surface.dotCount(), 1);
  sim.surface.clear();
  sim.world.PlanetGravity[50] = 3;  // spread 12: dots scatter over neighbouring pixels
  for (int k = 0; k < 50; ++k) Bomb(sim, kX, kY, 1, 50, 50);
  EXPECT_GT(sim.surface.dotCount(), 1);
}

TEST_F(Dots, OddInputsStillDraw) {
  sim.world.TotalPlanets = 0;
  EXPECT_EQ(dotOf(sim, 1), rgb(255, 0, 0));
  sim.world.TotalPlanets = 200;
  sim.form.TXw(0).setText("many");
  sim.form.TXw(1).setText("");
  sim.form.ChCol.setValue(0);
  EXPECT_NE(dotOf(sim, 50), sim.surface.background());
  Bomb(sim, 40000, 100, 1, 50, 50);  // beyond the 16-bit range: nothing, no fault
  Bomb(sim, 100, 100, 1, 5000, 5000);
}

TEST_F(Dots, DarkMatterMarksFollowTheCount) {
  Bomb(sim, kX, kY, 5, 10, 0);
  EXPECT_EQ(sim.surface.dotCount(), 0);
  Bomb(sim, kX, kY, 5, 10, 1);
  EXPECT_EQ(sim.surface.dotCount(), 1);
  EXPECT_EQ(sim.surface.pixel(kX, kY), rgb(6, 214, 133));
}

}  // namespace
}  // namespace sw4
