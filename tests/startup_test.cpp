#include <gtest/gtest.h>

#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

using testing::worldIsSound;

TEST(StartUp, WindowOpensAtDesignState) {
  Program sim;
  EXPECT_EQ(sim.world.Pi, 3.14159265358979);
  EXPECT_EQ(sim.world.SlomoDivisor, 1);
  EXPECT_EQ(sim.form.CHsol.value(), 1);
  EXPECT_EQ(sim.world.PlanetX[0], 7680);
  EXPECT_EQ(sim.world.PlanetY[0], 5760);
  EXPECT_FALSE(sim.form.Ti.enabled());
  EXPECT_TRUE(sim.form.Tr.enabled());
  EXPECT_EQ(sim.form.Tr.interval(), 15);
  EXPECT_EQ(sim.form.Tiball.interval(), 1000);
  EXPECT_EQ(sim.form.TiF.interval(), 500);
  EXPECT_TRUE(sim.form.OpCollide(2).selected());
  EXPECT_TRUE(sim.form.Och(7).selected());
  EXPECT_EQ(sim.form.CHall.value(), 1);
  EXPECT_EQ(sim.form.ChCol.value(), 1);
  EXPECT_TRUE(sim.form.Label12.visible());
  EXPECT_EQ(sim.world.TotalPlanets, 0);
}

TEST(Go, DefaultsMakeTheStatedSystem) {
  Program sim;
  testing::withoutStarPanel(sim);
  sim.form.Command2.userClick();
  const World& w = sim.world;
  ASSERT_EQ(w.TotalPlanets, 202);
  for (int i = 1; i <= 202; ++i) {
    const double type = i <= 2 ? 1 : i <= 102 ? 2 : i <= 152 ? 3 : 4;
    const double gravity = i <= 2 ? 2000 : i <= 102 ? 0.01 : i <= 152 ? 0.001 : 0.0001;
    EXPECT_EQ(w.PlanetType[i], type) << i;
    EXPECT_EQ(w.PlanetGravity[i], gravity) << i;
    EXPECT_EQ(w.MomentumX[i], std::floor(w.MomentumX[i]));
    EXPECT_GE(w.MomentumX[i], -20);
    EXPECT_LE(w.MomentumX[i], 20);
    EXPECT_GE(w.MomentumY[i], -20);
    EXPECT_LE(w.MomentumY[i], 20);
    EXPECT_GE(w.PlanetX[i], 0);
    EXPECT_LT(w.PlanetX[i], 15360);
  }
  EXPECT_EQ(w.PlanetGravity[0], 0);
  EXPECT_EQ(w.PlanetX[0], 7680);
  EXPECT_EQ(w.PlanetY[0], 5760);
  EXPECT_EQ(w.GConstant, 667.3);
  EXPECT_EQ(w.MomentumSpan, 41);
  EXPECT_TRUE(sim.form.Ti.enabled());
  EXPECT_EQ(sim.form.Ti.interval(), 15);
  EXPECT_FALSE(sim.form.Tr.enabled());
  EXPECT_FALSE(sim.form.Command2.visible());
  EXPECT_TRUE(sim.form.Command5.visible());
  EXPECT_EQ(sim.form.Command5.left(), 30);
  EXPECT_FALSE(sim.form.TXn.enabled());
  EXPECT_FALSE(sim.form.TXw(1).enabled());
  EXPECT_FALSE(sim.form.TXran.enabled());
  EXPECT_FALSE(sim.form.CHran.visible());
  EXPECT_FALSE(sim.form.CDp(7).visible());
  EXPECT_FALSE(sim.form.ImMoon.visible());
  EXPECT_FALSE(sim.form.Label12.visible());
  EXPECT_TRUE(worldIsSound(sim));
}

TEST(Go, MomentumQuarterRoundsHalfToEven) {
  for (auto [range, quarter] : {std::pair{"10", 2}, {"20", 5}, {"30", 8}}) {
    Program sim;
    testing::withoutStarPanel(sim);
    sim.form.Text2.setText(range);
    sim.form.Command2.userClick();
    EXPECT_EQ(sim.world.MomentumQuarter, quarter) << range;
  }
}

TEST(Go, TickPeriodRoundsHalfToEvenAndStaysPositive) {
  for (auto [text, ms] :
       {std::pair{"15.5", 16}, {"14.5", 14}, {"0", 1}, {"-40", 1}, {"1e99", 2147483647}}) {
    Program sim;
    testing::withoutStarPanel(sim);
    sim.form.TXt.setText(text);
    sim.form.Command2.userClick();
    EXPECT_EQ(sim.form.Ti.interval(), ms) << text;
  }
}

TEST(Go, BodyCountIsTheAbsoluteValueHeldToTheArrays) {
  for (auto [text, count] : {std::pair{"-5", 5}, {"5000", 999}, {"abc", 0}, {"-1e300", 999}}) {
    Program sim;
    testing::withoutStarPanel(sim);
    sim.form.TXn.setText(text);
    sim.form.Command2.userClick();
    EXPECT_EQ(sim.world.TotalPlanets, count) << text;
    EXPECT_TRUE(worldIsSound(sim));
  }
}

TEST(Go, ConstantThatIsNotANumberStopsGoBeforeAnythingElse) {
  Program sim;
  sim.form.TxTconstant.setText("6x");
  sim.form.Command2.userClick();
  EXPECT_TRUE(sim.form.Command2.visible());
  EXPECT_FALSE(sim.form.Ti.enabled());
  EXPECT_TRUE(sim.form.Tr.enabled());
  EXPECT_TRUE(sim.form.TXn.enabled());
  EXPECT_EQ(sim.world.TotalPlanets, 0);
  EXPECT_EQ(sim.world.PlanetGravity[1], 0);
  // Mended, "Go" works.
  sim.form.TxTconstant.setText("667.3");
  testing::withoutStarPanel(sim);
  sim.form.Command2.userClick();
  EXPECT_EQ(sim.world.TotalPlanets, 202);
}

TEST(Go, SpinStartsInTheUpperRightQuarterMovingRightAndDown) {
  Program sim;
  testing::withoutStarPanel(sim);
  sim.form.CHgod.userClick();
  sim.form.Command2.userClick();
  for (int i = 1; i <= 202; ++i) {
    EXPECT_GE(sim.world.MomentumX[i], 5);
    EXPECT_LE(sim.world.MomentumX[i], 24);
    EXPECT_GE(sim.world.MomentumY[i], 5);
    EXPECT_LE(sim.world.MomentumY[i], 24);
    EXPECT_GE(sim.world.PlanetX[i], 7680);
    EXPECT_LT(sim.world.PlanetX[i], 7680 + 0.35 * 15360);
    EXPECT_LT(sim.world.PlanetY[i], 5760);
  }
}

TEST(Go, NoGiantsWhenTheirFieldIsZero) {
  Program sim;
  testing::withoutStarPanel(sim);
  sim.form.TXw(0).setText("0");
  sim.form.TXg(1).setText("777");
  sim.form.Command2.userClick();
  EXPECT_EQ(sim.world.PlanetType[1], 2);
  EXPECT_EQ(sim.world.PlanetGravity[1], 0.01);
}

TEST(Go, SameSeedSameSystemAndDifferentSeedDifferentSystem) {
  auto build = [](const char* seed) {
    auto sim = std::make_unique<Program>();
    testing::withoutStarPanel(*sim);
    sim->form.TXran.setText(seed);
    sim->form.Command2.userClick();
    return sim;
  };
  auto a = build("4711"), b = build("4711"), c = build("4712");
  EXPECT_EQ(a->world.PlanetX, b->world.PlanetX);
  EXPECT_EQ(a->world.MomentumY, b->world.MomentumY);
  EXPECT_NE(a->world.PlanetX, c->world.PlanetX);
}

TEST(Go, HugeFieldValuesKeepTheWorldSound) {
  Program sim;
  testing::withoutStarPanel(sim);
  sim.form.Text2.setText("1e9");
  sim.form.Text1.setText("-99999999");
  sim.form.Text4.setText("99999");
  sim.form.TXg(1).setText("1e308");
  sim.form.Command2.userClick();
  EXPECT_EQ(sim.world.MomentumRange, 32767);
  EXPECT_EQ(sim.world.MomentumSpan, 65535);
  EXPECT_EQ(sim.world.CrustSpan, 65535);
  for (int t = 0; t < 20; ++t) tick(sim);
  EXPECT_TRUE(worldIsSound(sim));
}

}  // namespace
}  // namespace sw4
