#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

using testing::worldIsSound;

TEST(Presets, OneIsASinglePlanetAroundAHeavySunOnTheFourDimBorder) {
  Program sim;
  Fs4& f = sim.form;
  f.CDp(0).userClick();
  EXPECT_EQ(f.TXn.text(), "1");
  EXPECT_EQ(f.TXg(0).text(), "22222");
  EXPECT_EQ(f.TXg(1).text(), "111");
  EXPECT_EQ(f.TXg(2).text(), "2.4");
  EXPECT_TRUE(f.Och(5).selected());
  EXPECT_FALSE(f.Och(7).selected());
  EXPECT_EQ(f.CHgod.value(), 1);
  EXPECT_EQ(f.Text3.text(), "72");  // left alone
  EXPECT_EQ(f.Text9.text(), ".05");
}

TEST(Presets, TwoWritesTheSunsGravityTwiceAndLeavesTheLargestPlanets) {
  Program sim;
  Fs4& f = sim.form;
  std::vector<std::string> writes;
  f.TXg(0).addObserver([&writes](Control& c, Prop p) {
    if (p == Prop::Text) writes.push_back(c.text());
  });
  f.CDp(1).userClick();
  EXPECT_EQ(writes, (std::vector<std::string>{"5", "800"}));
  EXPECT_EQ(f.TXg(1).text(), "2000");
  EXPECT_EQ(f.Text6.text(), "80");
  EXPECT_TRUE(f.Och(0).selected());
  EXPECT_EQ(sim.world.SlomoDivisor, 2);  // the option's own handler ran
}

TEST(Presets, WhileRunningTheyChangeTheBorderButNoBody) {
  Program sim;
  testing::withoutStarPanel(sim);
  sim.form.TXn.setText("20");
  sim.form.Command2.userClick();
  const World before = sim.world;
  sim.form.CDp(1).userClick();  // the buttons hide at "Go", but a click still runs
  EXPECT_TRUE(sim.form.Och(0).selected());
  EXPECT_EQ(sim.world.SlomoDivisor, 2);
  for (int i = 0; i <= 20; ++i) {
    ASSERT_EQ(sim.world.PlanetX[i], before.PlanetX[i]) << i;
    ASSERT_EQ(sim.world.MomentumY[i], before.MomentumY[i]) << i;
  }
  EXPECT_EQ(sim.world.TotalPlanets, 20);
}

TEST(Presets, EveryPresetThenGoRunsFiveThousandTicksSoundly) {
  for (int p = 0; p < 8; ++p) {
    Program sim;
    sim.form.CDp(p).userClick();
    sim.form.Command2.userClick();
    ASSERT_EQ(sim.form.ChSpi.value(), 1) << p;
    for (int t = 0; t < 5000; ++t) sim.form.Ti.fire();
    EXPECT_EQ(sim.world.TickCount, 5000) << p;
    EXPECT_TRUE(worldIsSound(sim)) << "preset " << p + 1;
  }
}

}  // namespace
}  // namespace sw4
