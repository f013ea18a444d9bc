#include "observation/observation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

struct Records : ::testing::Test {
  Program sim;
  World& w = sim.world;
  void SetUp() override {
    w.TotalPlanets = 3;
    w.PlanetX[0] = 5000, w.PlanetY[0] = 5000;
    w.PlanetX[1] = 5300, w.PlanetY[1] = 5400;  // 500 from the sun
    w.PlanetX[2] = 5000, w.PlanetY[2] = 6000;  // 1000 from the sun
  }
};

TEST_F(Records, ResetWatchingTheSunTakesBodyOneThenTheTickLowersToZero) {
  sim.form.TXTOden.setText("0");
  ReOrbit(sim);
  EXPECT_EQ(w.InspectedPlanet, 1);
  EXPECT_EQ(w.Aphelion, 500);
  EXPECT_EQ(w.Perihelion, 500);
  EXPECT_EQ(sim.form.TXTp(5).text(), "500");
  EXPECT_EQ(sim.form.TXTOden.text(), "0");
  sim.form.Och(7).setValue(0);
  tick(sim);
  EXPECT_EQ(w.InspectedPlanet, 0);
  EXPECT_EQ(w.Perihelion, 0);
  EXPECT_EQ(w.Aphelion, 500);
  EXPECT_EQ(sim.form.TXTp(6).text(), "0");
  EXPECT_EQ(sim.form.TXTp(6).foreColor(), rgb(191, 255, 128));
}

TEST_F(Records, EachNewAphelionFlipsTheColour) {
  sim.form.TXTOden.setText("2");
  ReOrbit(sim);
  EXPECT_EQ(sim.form.TXTp(5).foreColor(), sim.form.TXn.foreColor());
  w.InspectedPlanet = 2;
  w.PlanetY[2] = 6100;
  recordsStep(sim);
  EXPECT_EQ(w.Aphelion, 1100);
  EXPECT_EQ(w.AphelionToggle, -1);
  EXPECT_EQ(sim.form.TXTp(5).foreColor(), rgb(128, 191, 255));
  w.PlanetY[2] = 6050;  // no new record: no flip
  recordsStep(sim);
  EXPECT_EQ(sim.form.TXTp(5).foreColor(), rgb(128, 191, 255));
  w.PlanetY[2] = 6200;
  recordsStep(sim);
  EXPECT_EQ(w.AphelionToggle, 0);
  EXPECT_EQ(sim.form.TXTp(5).foreColor(), rgb(255, 191, 128));
  EXPECT_EQ(sim.form.TXTp(5).text(), "1200");
  w.PlanetY[2] = 5900;
  recordsStep(sim);
  EXPECT_EQ(w.Perihelion, 900);
  EXPECT_EQ(sim.form.TXTp(6).foreColor(), rgb(191, 255, 128));
}

TEST_F(Records, AWatchedNumberThatNamesNoBodyRecordsNothing) {
  for (const char* text : {"abc", "5000", "-3", "99999999"}) {
    sim.form.TXTOden.setText(text);
    ReOrbit(sim);
    EXPECT_EQ(w.Aphelion, 0) << text;
    tick(sim);
    EXPECT_EQ(w.Aphelion, 0) << text;
  }
}

TEST_F(Records, ClearingMinMaxTagHidesThePanel) {
  Fs4& f = sim.form;
  for (Control* c : {&f.TXTp(5), &f.La(5), &f.ChLim, &f.Label7, &f.TXTOden, &f.LavPer})
    c->setVisible(true);
  f.ChLim.setValue(1);
  f.ChLim.setValue(0);
  for (Control* c : {&f.TXTp(5), &f.La(5), &f.ChLim, &f.Label7, &f.TXTOden, &f.LavPer})
    EXPECT_FALSE(c->visible()) << c->fullName();
}

TEST_F(Records, TickingMinMaxTagWatchesBodyOneInsteadOfTheSun) {
  sim.form.TXTOden.setText("0");
  sim.form.ChLim.setValue(1);
  EXPECT_EQ(sim.form.TXTOden.text(), "1");
}

TEST(Velocity, RatioOfSlowestToFastest) {
  Program sim;
  World& w = sim.world;
  sim.form.TXTOden.setText("4");
  w.InspectedPlanet = 4;
  w.VelocityRatio = 12.5;
  Velco(sim);
  EXPECT_EQ(w.VelocityMin, 0);
  EXPECT_EQ(sim.form.LavPer.caption(),
            "12.500000000000   %");  // nothing moving: the last ratio stays
  w.MomentumX[4] = 6, w.MomentumY[4] = 8;
  Velco(sim);
  EXPECT_EQ(w.VelocityMin, 10);
  EXPECT_EQ(sim.form.LavPer.caption(), "0.000000000000   %");
  w.MomentumX[4] = 0, w.MomentumY[4] = -40;
  Velco(sim);
  EXPECT_EQ(w.VelocityMax, 40);
  EXPECT_EQ(sim.form.LaVnow.caption(), "40");
  EXPECT_EQ(sim.form.LavPer.caption(), "75.000000000000   %");
  sim.form.Command4.userClick();
  w.MomentumY[4] = 20;
  Velco(sim);
  EXPECT_EQ(w.VelocityMin, 20);
  EXPECT_EQ(w.VelocityMax, 20);
  EXPECT_EQ(sim.form.LavPer.caption(), "0.000000000000   %");
}

TEST(Velocity, RunsInTheTickOnlyWhileMinMaxTagIsTicked) {
  Program sim;
  World& w = sim.world;
  w.TotalPlanets = 1;
  w.PlanetX[1] = 3000, w.PlanetY[1] = 3000, w.MomentumX[1] = 3;
  sim.form.TXTOden.setText("1");
  sim.form.Och(7).setValue(0);
  tick(sim);
  EXPECT_EQ(w.VelocityMax, 0);
  sim.form.ChLim.setValue(1);
  tick(sim);
  EXPECT_EQ(w.VelocityMax, 3);
}

}  // namespace
}  // namespace sw4
