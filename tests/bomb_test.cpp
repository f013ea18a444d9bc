#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "drawing/drawing.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "program/program.h"

namespace sw4 {
namespace {

constexpr int kX = 3000, kY = 3000;  // on a pixel's first twip

Color dotOf(Sim& sim, int body) {
  sim.surface.clear();
  Bomb(sim, kX, kY, BombKind::BodyDot, body, body);
  return sim.surface.pixel(kX, kY);
}

struct Dots : ::testing::Test {
  Program sim;
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
  sim.world.PlanetType[7] = 9;                  // no palette for an unknown type
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
  for (int k = 0; k < 50; ++k) Bomb(sim, kX, kY, BombKind::BodyDot, 50, 50);
  EXPECT_EQ(sim.surface.dotCount(), 1);
  sim.surface.clear();
  sim.world.PlanetGravity[50] = 3;  // spread 12: dots scatter over neighbouring pixels
  for (int k = 0; k < 50; ++k) Bomb(sim, kX, kY, BombKind::BodyDot, 50, 50);
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
  Bomb(sim, 40000, 100, BombKind::BodyDot, 50, 50);  // beyond the 16-bit range: nothing, no fault
  Bomb(sim, 100, 100, BombKind::BodyDot, 5000, 5000);
}

TEST_F(Dots, DarkMatterMarksFollowTheCount) {
  Bomb(sim, kX, kY, BombKind::DarkMatterMark, 10, 0);
  EXPECT_EQ(sim.surface.dotCount(), 0);
  Bomb(sim, kX, kY, BombKind::DarkMatterMark, 10, 1);
  EXPECT_EQ(sim.surface.dotCount(), 1);
  EXPECT_EQ(sim.surface.pixel(kX, kY), rgb(6, 214, 133));
}

}  // namespace
}  // namespace sw4

namespace sw4 {
namespace {

// The bounding box, in pixels, of everything drawn.
struct Box {
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
  int width() const { return right - left + 1; }
};

Box drawnBox(const Surface& s) {
  Box b;
  const std::uint32_t bg = Surface::toWord(s.background());
  for (int y = 0; y < s.heightPixels(); ++y)
    for (int x = 0; x < s.widthPixels(); ++x)
      if (s.data()[y * s.widthPixels() + x] != bg) {
        b.left = std::min(b.left, x), b.right = std::max(b.right, x);
        b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
      }
  return b;
}

struct Pictures : Dots {};

TEST_F(Pictures, SparkSpreadFollowsTheTypesOfThePair) {
  // Between two giants the factor is 19: dots within -133..132 twips, about 9 pixels a side.
  for (int k = 0; k < 300; ++k) Bomb(sim, 7500, 5700, BombKind::Sparks, 1, 2);
  Box giants = drawnBox(sim.surface);
  EXPECT_GE(giants.width(), 16);
  EXPECT_LE(giants.width(), 19);
  sim.surface.clear();
  for (int k = 0; k < 300; ++k)
    Bomb(sim, 7500, 5700, BombKind::Sparks, 160, 170);  // asteroids: 28 twips
  Box asteroids = drawnBox(sim.surface);
  EXPECT_GE(asteroids.width(), 3);
  EXPECT_LE(asteroids.width(), 5);
}

TEST_F(Pictures, SparksWithTheSunTakeSunColours) {
  sim.world.PlanetType[0] = 0;
  for (int k = 0; k < 50; ++k) Bomb(sim, 7500, 5700, BombKind::Sparks, 0, 5);
  const std::uint32_t bg = Surface::toWord(sim.surface.background());
  for (int i = 0; i < sim.surface.widthPixels() * sim.surface.heightPixels(); ++i) {
    const std::uint32_t p = sim.surface.data()[i];
    if (p == bg) continue;
    const Color c = Surface::fromWord(p);
    EXPECT_EQ(blueOf(c), 0);
    EXPECT_GE(greenOf(c), 200);
  }
}

TEST_F(Pictures, BurstsCloudsAndDarkMatterScatterAsFarAsTheirSpread) {
  for (int k = 0; k < 40; ++k)
    Bomb(sim, 7500, 5700, BombKind::MergeBurst, 5, 6);  // 12 dots, 120 twips
  EXPECT_LE(drawnBox(sim.surface).width(), 17);
  EXPECT_GE(drawnBox(sim.surface).width(), 14);
  sim.surface.clear();
  Bomb(sim, 7500, 5700, BombKind::MoonAttemptCloud, 5, 30);  // 55 dots, 250 twips
  EXPECT_LE(drawnBox(sim.surface).width(), 34);
  EXPECT_GT(sim.surface.dotCount(), 30);
  sim.surface.clear();
  Bomb(sim, 7500, 5700, BombKind::DarkMatterMark, 180, 30);  // 30 dots, 100 twips
  EXPECT_LE(drawnBox(sim.surface).width(), 14);
}

TEST_F(Pictures, TagHaloOnlyWhileTheSunIsFree) {
  Bomb(sim, 7500, 5700, BombKind::TagHalo, 3, 3);
  EXPECT_EQ(sim.surface.dotCount(), 0);
  sim.form.CHsol.setValue(0);
  Bomb(sim, 7500, 5700, BombKind::TagHalo, 3, 3);
  EXPECT_EQ(sim.surface.dotCount(), 1);
}

TEST_F(Pictures, SameSeedSamePicture) {
  Program other;
  other.world = sim.world;
  sim.rnd.seed(99);
  other.rnd.seed(99);
  for (int kind = 0; kind <= 6; ++kind) {
    Bomb(sim, 7000, 5000, static_cast<BombKind>(kind), 7, 30);
    Bomb(other, 7000, 5000, static_cast<BombKind>(kind), 7, 30);
  }
  EXPECT_EQ(std::vector<std::uint32_t>(sim.surface.data(), sim.surface.data() + 1024 * 768),
            std::vector<std::uint32_t>(other.surface.data(), other.surface.data() + 1024 * 768));
}

}  // namespace
}  // namespace sw4
