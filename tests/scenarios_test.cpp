#include "scenarios/scenarios.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/sim.h"
#include "program/program.h"
#include "scenarios/orbit_placement.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

using testing::worldIsSound;

constexpr double kMidX = 7680, kMidY = 5760;  // the middle of the default drawing area
const double kQuarterDiagonal = std::pow(2.0 * 2880 * 2880, 0.5);  // R0 = H / 4, times sqrt 2

// A running system of n bodies that "Go" left where chance put them (no spiral, no stars).
struct Running : ::testing::Test {
  Program sim;
  World& w = sim.world;
  Fs4& f = sim.form;

  void go(int n) {
    testing::withoutStarPanel(sim);
    f.TXn.setText(std::to_string(n));
    f.Command2.userClick();
  }
  // Angular momentum of body i around the middle: its sign is the sense of turning.
  double turning(int i) const {
    return (w.PlanetX[i] - kMidX) * w.MomentumY[i] - (w.PlanetY[i] - kMidY) * w.MomentumX[i];
  }
};

::testing::AssertionResult sameBodies(const World& a, const World& b) {
  for (int i = 0; i < kBodySlots; ++i) {
    if (a.PlanetX[i] != b.PlanetX[i] || a.PlanetY[i] != b.PlanetY[i] ||
        a.MomentumX[i] != b.MomentumX[i] || a.MomentumY[i] != b.MomentumY[i] ||
        a.PlanetOff[i] != b.PlanetOff[i])
      return ::testing::AssertionFailure() << "body " << i << " changed";
  }
  return ::testing::AssertionSuccess();
}

TEST(SpeedLaws, GiveZeroWhereTheyWouldDivideByZeroOrLeaveTheReals) {
  EXPECT_EQ(keplerSpeed(667.3, 2000, 0), 0);
  EXPECT_EQ(keplerSpeed(667.3, 2000, -5), 0);
  EXPECT_EQ(keplerSpeed(667.3, -1, 5), 0);
  EXPECT_EQ(perfectSpeed(667.3, 2000, 0), 0);
  EXPECT_EQ(perfectSpeed(667.3, 2000, -0.1), 0);
  EXPECT_EQ(sunWeightedSpeed(667.3, 100, 0), 0);
  EXPECT_EQ(fixedMomentumSpeed(62, 0), 0);
  EXPECT_EQ(fixedMomentumSpeed(62, -1), 0);
  EXPECT_EQ(armSpeed(667.3, 2000, 0), 0);
  EXPECT_EQ(keplerSpeed(1e300, 1e300, 1e-300), 0);  // beyond the Double range
  EXPECT_EQ(keplerSpeed(4, 9, 1), 6);
  EXPECT_EQ(perfectSpeed(2, 9, 0.25), 12);  // the factor u, not a radius
  EXPECT_EQ(sunWeightedSpeed(2, 3, 0.25), 12);
  EXPECT_EQ(armSpeed(1, 8000, 0.25), 0.2 * 4);  // arm distance 2000 u
}

TEST_F(Running, LayoutsMoveNothingWhilePausedOrWhenUnchecked) {
  go(20);
  f.Ti.setEnabled(false);
  const World before = w;
  for (Control* box : {&f.ChSpi, &f.ChGal, &f.Ch2, &f.ChCir, &f.Check1, &f.ChA, &f.Chperf})
    box->userClick();
  EXPECT_TRUE(sameBodies(before, w));
  EXPECT_EQ(f.ChGal.value(), 1);
  f.Ti.setEnabled(true);
  f.ChGal.userClick();  // unchecked while running
  EXPECT_TRUE(sameBodies(before, w));
}

TEST_F(Running, PerfectCircleSkipsSwitchedOffBodiesAndWeakensForAnOffSun) {
  go(6);
  f.Text9.setText("0");
  w.PlanetOff[3] = 1;
  w.PlanetOff[0] = 1;
  const double x3 = w.PlanetX[3];
  f.Chperf.userClick();
  EXPECT_EQ(w.PlanetX[3], x3);
  EXPECT_EQ(w.PlanetOff[3], 1);  // "hm" revives nothing, even with "All" ticked
  const double u1 = 5.0 / 6 + 0.77;
  EXPECT_DOUBLE_EQ(w.MomentumX[1], -667.3 * std::sqrt(2000.0 / 5 / u1));
}

TEST_F(Running, AntiCircleTurnsTheOtherWayFromCircle) {
  go(12);
  f.TXg(0).setText("1000");  // "Circle" takes its gravity from the sun's field
  f.ChCir.userClick();
  for (int i = 1; i <= 12; ++i) ASSERT_GT(turning(i), 0) << i;
  f.Check1.userClick();
  for (int i = 1; i <= 12; ++i) ASSERT_LT(turning(i), 0) << i;
  // Fixed momentum: Text11 over the root of u, the radius growing with the body number.
  const double u = 12.0 / 12 + 0.77;
  EXPECT_DOUBLE_EQ(std::hypot(w.MomentumX[12], w.MomentumY[12]), 62 / std::sqrt(u));
  EXPECT_DOUBLE_EQ(std::hypot(w.PlanetX[12] - kMidX, w.PlanetY[12] - kMidY), u * kQuarterDiagonal);
}

TEST_F(Running, CirclePlacesSwitchedOffBodiesAndRevivesThemOnlyWithAll) {
  go(6);
  f.TXspibi.setText("0.5");
  w.PlanetOff[4] = 1;
  f.CHall.setValue(0);
  f.ChCir.userClick();
  EXPECT_EQ(w.PlanetOff[4], 1);
  EXPECT_DOUBLE_EQ(std::hypot(w.PlanetX[4] - kMidX, w.PlanetY[4] - kMidY),
                   (4.0 / 6 + 0.77) * kQuarterDiagonal);
  // Body 1 is a giant of gravity 2000: it takes the twin ratio as its radius factor.
  EXPECT_DOUBLE_EQ(std::hypot(w.PlanetX[1] - kMidX, w.PlanetY[1] - kMidY), 0.5 * kQuarterDiagonal);
  f.ChCir.userClick();
  f.CHall.setValue(1);
  f.ChCir.userClick();
  EXPECT_EQ(w.PlanetOff[4], 0);
}

TEST_F(Running, SpiralOfTwoPlacesOnlyTheTwins) {
  go(6);
  f.TXn.setText("2");
  const double x3 = w.PlanetX[3];
  f.ChSpi.userClick();
  EXPECT_EQ(w.PlanetX[3], x3);
  // a = TotalPlanets / 2 = 3 turns over k / N: body 1 (k = 1) a turn and a half, body 2 (k = 0)
  // none, so the twins face each other across the middle.
  const double r = 0.22 * kQuarterDiagonal;
  EXPECT_NEAR(w.PlanetX[1], kMidX, 1e-9);
  EXPECT_DOUBLE_EQ(w.PlanetY[1], kMidY - r);
  EXPECT_EQ(w.PlanetX[2], kMidX);
  EXPECT_EQ(w.PlanetY[2], kMidY + r);
  EXPECT_DOUBLE_EQ(std::hypot(w.MomentumX[2], w.MomentumY[2]), std::sqrt(667.3 * 2000 / r) / 2);
  EXPECT_GT(turning(1), 0);
  EXPECT_GT(turning(2), 0);
}

TEST_F(Running, SpiralArmsWithNoAdvanceLineUpAboveAndBelowTheirTwins) {
  go(10);
  f.Text9.setText("0");
  f.ChSpi.userClick();
  for (int i = 3; i <= 10; ++i) {
    const int twin = i % 2 == 0 ? 1 : 2;
    const double d = 2000 * ((10.0 - i) / 10 + 0.77);
    EXPECT_EQ(w.PlanetX[i], w.PlanetX[twin]) << i;
    EXPECT_EQ(w.PlanetY[i], w.PlanetY[twin] + (twin == 1 ? -d : d)) << i;
    const double vx = w.MomentumX[i] - w.MomentumX[twin];
    EXPECT_NEAR(w.MomentumY[i] - w.MomentumY[twin], 0, 1e-9) << i;
    EXPECT_NEAR(std::fabs(vx), 0.2 * std::sqrt(667.3 * 2000 / d), 1e-9) << i;
    EXPECT_GT(twin == 1 ? vx : -vx, 0) << i;  // clockwise around the twin
  }
}

TEST_F(Running, SpiralArmBodyWithNoRadiusTakesTheTwinLaw) {
  go(4);
  f.Text9.setText("0");
  f.Text10.setText("0");
  f.ChSpi.userClick();
  // Body 4: k = 0, no gap: on its twin, and the twin law at 2k / N gives no speed either.
  EXPECT_EQ(w.PlanetX[4], w.PlanetX[1]);
  EXPECT_EQ(w.PlanetY[4], w.PlanetY[1]);
  EXPECT_EQ(w.MomentumX[4], w.MomentumX[1]);
  EXPECT_EQ(w.MomentumY[4], w.MomentumY[1]);
  // Gap -30 %: body 3 has u = 1/4 - 0.3 < 0 and takes the twin law at u = 2/4 - 0.3.
  f.ChSpi.userClick();
  f.Text10.setText("-30");
  f.ChSpi.userClick();
  const double r = (2.0 / 4 - 0.3) * kQuarterDiagonal;
  EXPECT_NEAR(std::hypot(w.MomentumX[3] - w.MomentumX[2], w.MomentumY[3] - w.MomentumY[2]),
              std::sqrt(667.3 * 2000 / r) / 2, 1e-9);
  EXPECT_TRUE(worldIsSound(sim));
}

TEST_F(Running, SpiralWithAllRevivesAndRestartsTheTickCount) {
  go(8);
  tick(sim);
  w.PlanetOff[5] = 1;
  f.ChSpi.userClick();
  EXPECT_EQ(w.PlanetOff[5], 0);
  EXPECT_EQ(w.TickCount, 0);
  f.ChSpi.userClick();
  tick(sim);
  f.CHall.setValue(0);
  w.PlanetOff[5] = 1;
  const double x5 = w.PlanetX[5];
  f.ChSpi.userClick();
  EXPECT_EQ(w.PlanetOff[5], 1);
  EXPECT_EQ(w.PlanetX[5], x5);
  EXPECT_EQ(w.TickCount, 1);
}

TEST_F(Running, AFieldThatIsNoNumberLeavesEveryBodyWhereItWas) {
  go(10);
  const World before = w;
  f.Text9.setText("x");
  f.ChSpi.userClick();  // the twins would be fine, the first arm body reads Text9
  EXPECT_TRUE(sameBodies(before, w));
  EXPECT_EQ(w.TickCount, before.TickCount);
  f.ChSpi.userClick();
  f.Text9.setText(".05");
  for (Control* field : {&f.TXn, &f.Text10}) {
    const std::string text = field->text();
    field->setText("7 bodies");
    f.ChGal.userClick();
    f.ChGal.userClick();
    EXPECT_TRUE(sameBodies(before, w)) << field->fullName();
    field->setText(text);
  }
  f.TXTdec.setText("");
  f.Ch2.userClick();
  EXPECT_TRUE(sameBodies(before, w));
}

TEST_F(Running, PlacesOffEveryFiniteNumberLeaveEveryBodyWhereItWas) {
  go(10);
  const World before = w;
  f.Text10.setText("1e307");  // radii beyond the Double range
  f.ChCir.userClick();
  EXPECT_TRUE(sameBodies(before, w));
  f.Text10.setText("77");
  f.Text9.setText("1e308");  // angles beyond it
  f.ChA.userClick();
  EXPECT_TRUE(sameBodies(before, w));
  EXPECT_TRUE(worldIsSound(sim));
}

TEST_F(Running, CountIsHeldToTheBodyArrays) {
  go(10);
  f.TXn.setText("40000");
  f.Check1.userClick();
  EXPECT_NE(w.PlanetX[999], 0);
  EXPECT_TRUE(worldIsSound(sim));
  f.Check1.userClick();
  const World before = w;
  for (const char* n : {"0", "-3"}) {
    f.TXn.setText(n);
    f.ChCir.userClick();
    f.ChCir.userClick();
    EXPECT_TRUE(sameBodies(before, w)) << n;
  }
}

TEST_F(Running, LayoutsKeepTheWorldSoundUnderHostileFields) {
  go(30);
  const char* hostile[] = {"0", "-1", "1e300", "-1e300", "1e-300"};
  Control* fields[] = {&f.Text9, &f.Text10, &f.Text11, &f.TXspibi, &f.TXTdec, &f.TXg(0), &f.TXg(1)};
  Control* boxes[] = {&f.ChSpi, &f.ChGal, &f.Ch2, &f.ChCir, &f.Check1, &f.ChA, &f.Chperf};
  for (Control* field : fields) {
    const std::string text = field->text();
    for (const char* h : hostile) {
      field->setText(h);
      for (Control* box : boxes) {
        box->setValue(0);
        box->setValue(1);
        ASSERT_TRUE(worldIsSound(sim)) << field->fullName() << " " << h << " " << box->name();
      }
      for (int t = 0; t < 3; ++t) tick(sim);
      ASSERT_TRUE(worldIsSound(sim)) << field->fullName() << " " << h;
    }
    field->setText(text);
  }
}

// Star making

TEST(StarMaking, FirstGoWithTheDefaultsBringsTheBodiesBackOnePerTick) {
  Program sim;
  World& w = sim.world;
  Fs4& f = sim.form;
  f.Command2.userClick();
  EXPECT_EQ(f.ChSpi.value(), 1);
  EXPECT_EQ(w.StarIndex, 3);
  EXPECT_EQ(w.PlanetOff[1] + w.PlanetOff[2], 0);
  for (int i = 3; i <= 202; ++i) ASSERT_EQ(w.PlanetOff[i], 1) << i;
  EXPECT_EQ(f.CDstar.caption(), "Create Stars");
  // Spiral laid out: the twins face each other across the middle.
  EXPECT_NEAR(w.PlanetX[1], kMidX, 1e-6);
  EXPECT_NEAR(w.PlanetX[2], kMidX, 1e-6);
  for (int k = 3; k <= 202; ++k) {
    tick(sim);
    ASSERT_EQ(w.PlanetOff[k], 0) << k;
    if (k < 202) {
      ASSERT_EQ(w.PlanetOff[k + 1], 1) << k;
    }
    ASSERT_EQ(f.CDstar.caption(), std::to_string(k));
  }
  EXPECT_EQ(w.StarIndex, 203);
  tick(sim);
  EXPECT_EQ(f.CDstar.caption(), "202");
  EXPECT_TRUE(worldIsSound(sim));
}

TEST(StarMaking, StarIsBornBetweenTheSunAndItsTwinThrownBackwards) {
  Program sim;
  World& w = sim.world;
  w.TotalPlanets = 6;
  w.PlanetX[0] = 100, w.PlanetY[0] = 200;
  w.PlanetX[1] = 300, w.PlanetY[1] = 600, w.MomentumX[1] = 4, w.MomentumY[1] = -2;
  w.PlanetX[2] = -100, w.PlanetY[2] = 0, w.MomentumX[2] = -1, w.MomentumY[2] = 8;
  w.PlanetGravity[4] = 7, w.PlanetType[4] = 3;
  w.PlanetOff[4] = 1, w.PlanetOff[5] = 1;
  w.PlanetX[3] = 55, w.MomentumX[3] = 9;  // alive: keeps its state, uses up its number
  w.StarIndex = 3;
  StarMaker(sim);
  EXPECT_EQ(w.PlanetX[3], 55);
  EXPECT_EQ(w.MomentumX[3], 9);
  EXPECT_EQ(sim.form.CDstar.caption(), "3");
  StarMaker(sim);
  EXPECT_EQ(w.PlanetOff[4], 0);
  EXPECT_EQ(w.PlanetX[4], 200);
  EXPECT_EQ(w.PlanetY[4], 400);
  EXPECT_EQ(w.MomentumX[4], -10);
  EXPECT_EQ(w.MomentumY[4], 5);
  EXPECT_EQ(w.PlanetGravity[4], 7);
  EXPECT_EQ(w.PlanetType[4], 3);
  StarMaker(sim);
  EXPECT_EQ(w.PlanetX[5], 0);
  EXPECT_EQ(w.PlanetY[5], 100);
  EXPECT_EQ(w.MomentumX[5], 2.5);
  EXPECT_EQ(w.MomentumY[5], -20);
  EXPECT_EQ(w.StarIndex, 6);
}

TEST(StarMaking, AbsurdTwinsStillGiveFiniteStars) {
  Program sim;
  World& w = sim.world;
  w.TotalPlanets = 3;
  w.PlanetX[2] = 1.5e308, w.PlanetX[0] = 1.5e308, w.MomentumX[2] = -1.7e308;
  w.PlanetOff[3] = 1;
  w.StarIndex = 3;
  StarMaker(sim);
  EXPECT_EQ(w.PlanetX[3], 1.5e308);
  EXPECT_TRUE(worldIsSound(sim));
}

TEST(StarMaking, WithSpiralAlreadyTickedNothingIsSwitchedOff) {
  Program sim;
  World& w = sim.world;
  sim.form.ChSpi.setValue(1);
  sim.form.Command2.userClick();
  EXPECT_EQ(w.StarIndex, 3);
  for (int i = 1; i <= 202; ++i) ASSERT_EQ(w.PlanetOff[i], 0) << i;
  const double x3 = w.PlanetX[3], mx3 = w.MomentumX[3];
  tick(sim);
  EXPECT_EQ(w.PlanetX[3], x3 + mx3);  // not reborn: only moved
  EXPECT_EQ(sim.form.CDstar.caption(), "3");
}

TEST(StarMaking, TwoBodiesOrFewerNeverMakeAStar) {
  Program sim;
  sim.form.TXn.setText("2");
  sim.form.Command2.userClick();
  EXPECT_EQ(sim.world.StarIndex, 3);
  for (int t = 0; t < 3; ++t) tick(sim);
  EXPECT_EQ(sim.form.CDstar.caption(), "Create Stars");
  EXPECT_EQ(sim.world.StarIndex, 3);
}

TEST(StarMaking, CreateStarsWhilePausedSwitchesOffButPlacesNothing) {
  Program sim;
  World& w = sim.world;
  testing::withoutStarPanel(sim);
  sim.form.TXn.setText("6");
  sim.form.Command2.userClick();
  sim.form.Ti.setEnabled(false);
  const double x1 = w.PlanetX[1];
  sim.form.CDstar.userClick();
  EXPECT_EQ(sim.form.ChSpi.value(), 1);
  EXPECT_EQ(w.PlanetX[1], x1);
  EXPECT_EQ(w.PlanetOff[3] + w.PlanetOff[6], 2);
  sim.form.Ti.fire();
  EXPECT_EQ(w.PlanetOff[3], 1);  // births wait for the tick
  sim.form.Ti.setEnabled(true);
  sim.form.Ti.fire();
  EXPECT_EQ(w.PlanetOff[3], 0);
}

TEST(OrbitsFrame, ClickTogglesBetweenWideAndNarrow) {
  Program sim;
  Fs4& f = sim.form;
  ASSERT_EQ(f.Frame6.width(), 915);
  f.Frame6.userClick();
  EXPECT_EQ(f.Frame6.width(), 3300);
  EXPECT_EQ(f.TXTdec.width(), 1800);
  f.Frame6.userClick();
  EXPECT_EQ(f.Frame6.width(), 900);
  EXPECT_EQ(f.TXTdec.width(), 855);
  f.Frame6.userClick();
  EXPECT_EQ(f.Frame6.width(), 3300);
}

}  // namespace
}  // namespace sw4
