#include <gtest/gtest.h>

#include <cmath>

#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

struct DarkMatter : ::testing::Test {
  Program sim;
  World& w = sim.world;
  void SetUp() override {
    testing::withoutStarPanel(sim);
    sim.form.Command2.userClick();
  }
};

TEST_F(DarkMatter, DefaultsPutTheAsteroidsOnAHeavyRing) {
  sim.form.Chdark.userClick();
  const double ring = 11520 * std::sqrt(2.0) / 3.15;
  EXPECT_NEAR(ring / 11520, 0.4490, 5e-5);
  for (int i = 153; i <= 202; ++i) {
    const double dx = w.PlanetX[i] - 7680, dy = w.PlanetY[i] - 5760;
    EXPECT_NEAR(std::hypot(dx, dy), ring, 1e-6) << i;
    EXPECT_NEAR(std::hypot(w.MomentumX[i], w.MomentumY[i]), 72, 1e-9);
    EXPECT_NEAR(dx * w.MomentumX[i] + dy * w.MomentumY[i], 0, 1e-6);  // along the ring
    EXPECT_EQ(w.PlanetGravity[i], 99);
    EXPECT_EQ(w.PlanetOff[i], 0);
  }
  // 7.2 degrees apart, the last straight below the centre.
  const double a1 = std::atan2(w.PlanetX[153] - 7680, w.PlanetY[153] - 5760);
  EXPECT_NEAR(a1, 2 * M_PI / 50, 1e-9);
  EXPECT_NEAR(w.PlanetX[202], 7680, 1e-9);
  EXPECT_GT(w.PlanetY[202], 5760);
  EXPECT_EQ(w.PlanetGravity[152], 0.001);
}

TEST_F(DarkMatter, HalfwayClassFieldRoundsToEven) {
  sim.form.TXw(2).setText("152.5");
  sim.form.Chdark.userClick();
  EXPECT_EQ(w.PlanetGravity[153], 0.0001);
  EXPECT_EQ(w.PlanetGravity[154], 99);
}

TEST_F(DarkMatter, ClearingMakesThemWeightlessAndNothingElse) {
  sim.form.Chdark.userClick();
  const double x = w.PlanetX[160];
  sim.form.Chdark.userClick();
  EXPECT_EQ(w.PlanetGravity[160], 0.000001);
  EXPECT_EQ(w.PlanetX[160], x);
}

TEST_F(DarkMatter, NothingButTheRecordsWhileStopped) {
  sim.form.Ti.setEnabled(false);
  const double x = w.PlanetX[160];
  w.Aphelion = 12345;
  sim.form.TXTOden.setText("3");
  sim.form.Chdark.userClick();
  EXPECT_EQ(w.PlanetX[160], x);
  EXPECT_EQ(w.PlanetGravity[160], 0.0001);
  EXPECT_NE(w.Aphelion, 12345);
}

TEST_F(DarkMatter, OddFieldsKeepTheWorldSound) {
  sim.form.Text6.setText("heavy");
  sim.form.Chdark.userClick();
  EXPECT_EQ(w.PlanetGravity[160], 0.0001);  // a gravity that is not a number is left alone
  EXPECT_NEAR(std::hypot(w.PlanetX[160] - 7680, w.PlanetY[160] - 5760),
              11520 * std::sqrt(2.0) / 3.15, 1e-6);
  sim.form.Chdark.userClick();
  sim.form.TXn.setText("5000");
  sim.form.TXw(2).setText("-40");
  sim.form.Text6.setText("1e308");
  sim.form.Chdark.userClick();
  EXPECT_EQ(w.PlanetGravity[0], 1e308);
  EXPECT_EQ(w.PlanetGravity[999], 1e308);
  EXPECT_TRUE(testing::worldIsSound(sim));
  sim.form.TXn.setText("many");
  sim.form.Chdark.userClick();
  EXPECT_TRUE(testing::worldIsSound(sim));
}

TEST_F(DarkMatter, OneBodyRangeSitsStraightBelow) {
  sim.form.TXw(2).setText("201");
  sim.form.TXn.setText("202");
  sim.form.Chdark.userClick();
  EXPECT_NEAR(w.PlanetX[202], 7680, 1e-9);
  EXPECT_NEAR(w.MomentumX[202], -72, 1e-9);
  EXPECT_NEAR(w.MomentumY[202], 0, 1e-9);
}

}  // namespace
}  // namespace sw4
