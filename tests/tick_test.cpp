#include <gtest/gtest.h>

#include <cmath>

#include "drawing/drawing.h"
#include "model/sim.h"
#include "program/gravity.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

using testing::worldIsSound;

// A running system of n bodies, all at rest far apart, with plain settings.
struct Bench {
  Program sim;
  explicit Bench(int n) {
    World& w = sim.world;
    w.TotalPlanets = static_cast<std::int16_t>(n);
    w.GConstant = 1;
    w.PlanetRadius = 1;
    w.PlanetCore = 1;
    w.TagPlanet = -1;
    for (int i = 1; i <= n; ++i) {
      w.PlanetX[i] = 1000 + 37.0 * i;
      w.PlanetY[i] = 1000 + 11.0 * (i % 50);
      w.PlanetGravity[i] = 1;
      w.PlanetType[i] = 4;
    }
    w.PlanetGravity[0] = 0;
  }
};

TEST(Tick, CounterRollsOverAfter999999) {
  Program sim;
  sim.world.TickCount = 999999;
  tick(sim);
  EXPECT_EQ(sim.world.TickCount, 0);
  EXPECT_EQ(sim.form.Label11.caption(), "0");
  tick(sim);
  EXPECT_EQ(sim.form.Label11.caption(), "1");
}

TEST(Tick, SunPictureFollowsSunGravityFieldAndSwitch) {
  Program sim;
  sim.form.TXg(0).setText("0");
  tick(sim);
  EXPECT_FALSE(sim.form.ImSun.visible());
  sim.form.TXg(0).setText("50");
  tick(sim);
  EXPECT_TRUE(sim.form.ImSun.visible());
  sim.world.PlanetOff[0] = 1;
  tick(sim);
  EXPECT_FALSE(sim.form.ImSun.visible());
  sim.world.PlanetOff[0] = 0;
  sim.form.TXg(0).setText("lots");
  tick(sim);
  EXPECT_FALSE(sim.form.ImSun.visible());
}

TEST(Tick, ExponentIsReadFromItsFieldEveryTick) {
  Program sim;
  sim.form.TXg(2).setText("1.5abc");
  tick(sim);
  EXPECT_EQ(sim.world.GExponent, 1.5);
}

TEST(Tick, WatchedBodyThatIsNotANumberNamesNoBody) {
  Program sim;
  sim.form.TXTOden.setText("12");
  tick(sim);
  EXPECT_EQ(sim.world.InspectedPlanet, 12);
  sim.form.TXTOden.setText("twelve");
  tick(sim);
  EXPECT_EQ(sim.world.InspectedPlanet, -1);
  sim.form.TXTOden.setText("99999");
  tick(sim);
  EXPECT_EQ(sim.world.InspectedPlanet, -1);
  EXPECT_EQ(sim.world.TickCount, 3);
}

TEST(Tick, ATickInsideTheEventProcessingDoesNothing) {
  Bench b(5);
  int nested = 0;
  b.sim.form.Ti.setEnabled(true);
  b.sim.processEvents.add([&](int a) {
    if (a == 3) {
      ++nested;
      b.sim.form.Ti.fire();
    }
  });
  tick(b.sim);
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(b.sim.world.TickCount, 1);
  EXPECT_FALSE(b.sim.inTick);
}

TEST(Tick, AClickDuringThePassActsOnTheBodiesAfterIt) {
  Bench b(6);
  b.sim.processEvents.add([&](int a) {
    if (a == 4) b.sim.form.ChA.setValue(1);  // from here on planets feel only the sun
  });
  tick(b.sim);
  const World& w = b.sim.world;
  EXPECT_NE(w.MomentumX[5], 0);
  EXPECT_NE(w.MomentumX[4], 0);
  EXPECT_EQ(w.MomentumX[3], 0);
  EXPECT_EQ(w.MomentumY[1], 0);
}

TEST(Gravity, InverseSquarePullAlongTheLine) {
  Bench b(2);
  World& w = b.sim.world;
  w.GConstant = 667.3;
  w.PlanetX[1] = 2000, w.PlanetY[1] = 3000;
  w.PlanetX[2] = 2300, w.PlanetY[2] = 3400;  // d = 500
  w.PlanetGravity[2] = 10;
  b.sim.form.TXg(2).setText("2");
  tick(b.sim);
  const double f = 667.3 * 10 / (500.0 * 500.0);
  EXPECT_NEAR(w.MomentumX[1], f * 0.6, 1e-15);
  EXPECT_NEAR(w.MomentumY[1], f * 0.8, 1e-15);
  // The pull on body 2 uses body 1's gravity (1), not its own.
  EXPECT_NEAR(w.MomentumX[2], -667.3 / 250000.0 * 0.6, 1e-15);
  EXPECT_NEAR(w.MomentumY[2], -667.3 / 250000.0 * 0.8, 1e-15);
}

TEST(Gravity, ExponentOneFallsOffWithDistance) {
  Bench b(2);
  World& w = b.sim.world;
  w.PlanetX[1] = 2000, w.PlanetY[1] = 3000;
  w.PlanetX[2] = 2000, w.PlanetY[2] = 3500;
  b.sim.form.TXg(2).setText("1");
  tick(b.sim);
  EXPECT_NEAR(w.MomentumY[1], 1.0 / 500, 1e-15);
}

TEST(Gravity, LevelPairUsesTheRoundedHalfPi) {
  Bench b(2);
  World& w = b.sim.world;
  w.PlanetX[1] = 2000, w.PlanetY[1] = 3000;
  w.PlanetX[2] = 1600, w.PlanetY[2] = 3000;  // dy = 0
  tick(b.sim);
  const double f = 1.0 / (400.0 * 400.0);
  EXPECT_DOUBLE_EQ(w.MomentumX[1], -f);
  EXPECT_EQ(w.MomentumY[1], std::cos(1.5707963267949) * f);
  EXPECT_NE(w.MomentumY[1], 0);
  EXPECT_EQ(ArcSin(1.0), 1.5707963267949);
  EXPECT_EQ(ArcSin(-1.0), -1.5707963267949);
  EXPECT_NEAR(ArcSin(0.5), std::asin(0.5), 1e-15);
}

TEST(Gravity, ZeroConstantBecomesOneAtTheFirstFarPair) {
  Bench b(2);
  b.sim.world.GConstant = 0;
  tick(b.sim);
  EXPECT_EQ(b.sim.world.GConstant, 1.0);
}

TEST(Gravity, PlanetsAbove2StopPullingEachOtherFrom200Bodies) {
  for (int n : {199, 200}) {
    Bench b(n);
    tick(b.sim);
    const World& w = b.sim.world;
    double fromGiants = 0;
    for (int j : {1, 2}) {
      const double dx = w.PlanetX[j] - w.PlanetX[3], dy = w.PlanetY[j] - w.PlanetY[3];
      const double d = std::hypot(dx, dy);
      fromGiants += 1 / (d * d) * dx / d;
    }
    if (n == 200) {
      EXPECT_NEAR(w.MomentumX[3], fromGiants, 1e-15);
    } else {
      EXPECT_GT(std::fabs(w.MomentumX[3] - fromGiants), 1e-6);
    }
  }
}

TEST(Gravity, BinaryAndSpiralKeepPlanetsAbove2Apart) {
  for (const char* box : {"Ch2", "ChSpi"}) {
    Bench b(10);
    b.sim.form.get(box).setValue(1);
    b.sim.world.PlanetGravity[1] = b.sim.world.PlanetGravity[2] = 0;
    tick(b.sim);
    EXPECT_EQ(b.sim.world.MomentumX[5], 0) << box;
    EXPECT_NE(b.sim.world.MomentumX[1], 0) << box;
  }
}

TEST(Gravity, AllOrbitLetsPlanetsFeelOnlyTheSunWhileTheFreeSunFeelsAll) {
  Bench b(4);
  World& w = b.sim.world;
  w.PlanetGravity[0] = 5;
  w.PlanetX[0] = 5000, w.PlanetY[0] = 5000;
  b.sim.form.ChA.setValue(1);
  b.sim.form.CHsol.setValue(0);
  tick(b.sim);
  for (int i = 1; i <= 4; ++i) {
    const double dx = 5000 - w.PlanetX[i], dy = 5000 - w.PlanetY[i];
    const double d = std::hypot(dx, dy);
    EXPECT_NEAR(w.MomentumX[i], 5 / (d * d) * dx / d, 1e-15) << i;
  }
  EXPECT_NE(w.MomentumX[0], 0);
}

TEST(Gravity, FixedSunNeitherMovesNorAccelerates) {
  Bench b(3);
  World& w = b.sim.world;
  w.PlanetX[0] = 5000, w.PlanetY[0] = 5000;
  w.MomentumX[0] = 3;
  tick(b.sim);
  EXPECT_EQ(w.PlanetX[0], 5000);
  EXPECT_EQ(w.MomentumX[0], 3);
}

TEST(Gravity, SwitchedOffBodyIsInert) {
  Bench b(3);
  World& w = b.sim.world;
  w.PlanetOff[2] = 1;
  w.MomentumX[2] = 7;
  const double x = w.PlanetX[2];
  tick(b.sim);
  EXPECT_EQ(w.PlanetX[2], x);
  EXPECT_EQ(w.MomentumX[2], 7);
  // Nobody felt body 2: body 1's pull comes from body 3 alone.
  Bench c(3);
  c.sim.world.PlanetOff[2] = 1;
  c.sim.world.PlanetGravity[2] = 1e6;
  tick(c.sim);
  EXPECT_EQ(c.sim.world.MomentumX[1], w.MomentumX[1]);
}

TEST(Gravity, MotionThenPullsFromNewPositions) {
  Bench b(2);
  World& w = b.sim.world;
  w.PlanetX[1] = 2000, w.PlanetY[1] = 3000, w.MomentumX[1] = 100;
  w.PlanetX[2] = 2600, w.PlanetY[2] = 3000;
  tick(b.sim);
  EXPECT_EQ(w.PlanetX[1], 2100);
  EXPECT_NEAR(w.MomentumX[1], 100 + 1.0 / (500.0 * 500.0), 1e-12);
}

TEST(Gravity, NegativeHugeExponentKeepsEveryValueFinite) {
  Program sim;
  testing::withoutStarPanel(sim);
  sim.form.Command2.userClick();
  sim.form.TXg(2).setText("-1e300");
  for (int t = 0; t < 5; ++t) tick(sim);
  EXPECT_TRUE(worldIsSound(sim));
  sim.form.TXg(2).setText("1e300");
  sim.world.PlanetRadius = 0;
  for (int t = 0; t < 5; ++t) tick(sim);
  EXPECT_TRUE(worldIsSound(sim));
}

TEST(Gravity, BodiesFarOutsideDrawNothingAndCrashNothing) {
  Bench b(2);
  World& w = b.sim.world;
  w.PlanetX[1] = 1e300, w.PlanetY[1] = -1e300;
  w.PlanetX[2] = 40000, w.PlanetY[2] = 3000;
  b.sim.form.Och(7).setValue(0);  // no border option: the bodies stay out there
  tick(b.sim);
  EXPECT_EQ(b.sim.surface.dotCount(), 1);  // the sun alone
  EXPECT_EQ(drawPos(1e300), 2147483647);
  EXPECT_EQ(drawPos(-0.5), -1);
  EXPECT_TRUE(worldIsSound(b.sim));
}

TEST(Gravity, BodiesAreDrawnAsDotsAndTheTaggedBodyMarked) {
  Bench b(3);
  b.sim.form.CHsol.setValue(0);
  b.sim.world.TagPlanet = 2;
  b.sim.world.PlanetGravity[3] = 0.09;  // spread 0: the dot sits on the body
  tick(b.sim);
  EXPECT_GE(b.sim.surface.dotCount(), 3);
  EXPECT_NE(b.sim.surface.pixel(static_cast<int>(b.sim.world.PlanetX[3]),
                                static_cast<int>(b.sim.world.PlanetY[3])),
            b.sim.surface.background());
}

}  // namespace
}  // namespace sw4
