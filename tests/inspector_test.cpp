// What the driver scripts inspector_*.sw4 do not show: the sound choices, read-only fields, the
// order of the limits and the reloads in "visual" mode.
#include "inspector/inspector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

using testing::typeAndLeave;
using testing::worldIsSound;

// A running system of ten bodies (the tick timer on, no "Go" needed), body n at (1000 + 100 n,
// 2000 + 100 n) with momentum (n, -n), type 1 + n % 4 and gravity n / 10, already paused.
struct Inspector : ::testing::Test {
  Program sim;
  Fs4& f = sim.form;
  World& w = sim.world;
  void SetUp() override {
    f.TXn.setText("10");
    for (int n = 1; n <= 10; ++n) {
      w.PlanetX[n] = 1000 + 100 * n, w.PlanetY[n] = 2000 + 100 * n;
      w.MomentumX[n] = n, w.MomentumY[n] = -n;
      w.PlanetType[n] = 1 + n % 4, w.PlanetGravity[n] = n / 10.0;
    }
    f.Ti.setEnabled(true);
    f.Command5.userClick();
  }
  void repause() {
    f.Command5.userClick();
    f.Command5.userClick();
  }
  void load(int n) {
    f.TXTOden.setText(std::to_string(n));
    f.La(0).userClick();
  }
  void typeAll(const char* x, const char* y, const char* mx, const char* my) {
    const char* texts[] = {x, y, mx, my};
    for (int k = 0; k < 4; ++k) f.TXTp(k).setText(texts[k]);
  }
};

TEST_F(Inspector, QuiReachesOnlyTheBodyArraysAndFollowsTheField) {
  f.TXn.setText("5000");
  repause();
  EXPECT_EQ(f.Qui.max(), 999);
  f.TXn.setText("-3");
  repause();
  EXPECT_EQ(f.Qui.max(), 0);
  f.TXn.setText("12");
  repause();
  f.TXn.setText("twelve");  // not a number: the range stays
  repause();
  EXPECT_EQ(f.Qui.max(), 12);

  f.Qui.setValue(3);
  f.TXTOden.setText("7.5");  // half to even
  repause();
  EXPECT_EQ(f.Qui.value(), 8);
  EXPECT_EQ(f.TXTp(0).text(), "1800");
  f.TXTOden.setText("50");
  repause();
  EXPECT_EQ(f.TXTOden.text(), "12");
}

TEST_F(Inspector, ResumingHidesTheSunPictureOnlyWhenTheSunIsFree) {
  f.ImSun.setVisible(true);
  repause();
  EXPECT_TRUE(f.ImSun.visible());  // "Fixed" is ticked at start-up
  f.CHsol.setValue(0);
  f.ImSun.setVisible(true);
  f.Command5.userClick();
  EXPECT_FALSE(f.ImSun.visible());
}

TEST(InspectorBeforeGo, PauseStartsTheTickOnAnEmptySystem) {
  Program sim;
  sim.world.TickCount = 9;
  sim.form.Command5.userClick();
  EXPECT_TRUE(sim.form.Ti.enabled());
  EXPECT_EQ(sim.world.TickCount, 0);
}

TEST_F(Inspector, MarkerStaysDarkForTypesThatAreNotZeroToFour) {
  for (const char* type : {"2.5", "-1", "1e3"}) {
    f.TxTyp.setText(type);
    for (int k = 0; k < 3; ++k) {
      f.TiF.fire();
      EXPECT_EQ(f.Shark.borderColor(), f.TXTOden.backColor()) << type;
    }
  }
}

TEST_F(Inspector, LoadingHoldsTheBodyAndShowsWhereItIs) {
  w.PlanetX[4] = std::nan(""), w.PlanetY[4] = 11300.5;
  w.MomentumX[4] = -12.5, w.MomentumY[4] = -999;
  w.PlanetGravity[4] = 123456789.25;
  load(4);
  EXPECT_EQ(w.PlanetX[4], 900);
  EXPECT_EQ(w.PlanetY[4], 11520 - 300);
  EXPECT_EQ(f.TXTp(1).text(), "11220");
  EXPECT_EQ(f.Hsp(1).max(), 11220);
  EXPECT_EQ(f.Hsp(2).value(), -13);
  EXPECT_EQ(w.MomentumX[4], -12.5);  // only the bar is whole in "num" mode
  EXPECT_EQ(f.Hsp(3).value(), 0);    // -999 stays and leaves the bar where the sun put it
  EXPECT_EQ(f.TXTp(4).text(), "123456789.25");
  w.PlanetY[4] = -7, w.PlanetGravity[4] = 1e-20;
  load(4);
  EXPECT_EQ(w.PlanetY[4], 0);
  EXPECT_EQ(f.TXTp(4).text(), "0");
}

TEST_F(Inspector, LoadingSetsThePlanetSwitchFromTheBody) {
  w.PlanetOff[6] = 1;
  load(6);
  EXPECT_EQ(f.Chon.caption(), "Planet OFF");
  load(7);
  EXPECT_EQ(f.Chon.caption(), "Planet ON");
  EXPECT_EQ(w.PlanetOff[6], 1);
}

TEST_F(Inspector, NumbersThatNameNoBodyLoadNothing) {
  load(3);
  for (const char* n : {"1000", "-1", "40000", "1e300"}) {
    f.TXTOden.setText(n);
    f.La(0).userClick();
    EXPECT_EQ(f.TXTp(0).text(), "1300") << n;
  }
  f.TXTOden.setText("4 planets");  // leniently body 4
  f.La(0).userClick();
  EXPECT_EQ(f.TXTp(0).text(), "1400");
  f.TXTOden.setText("1000");
  Bifrost(sim);
  EXPECT_TRUE(worldIsSound(sim));
}

TEST_F(Inspector, LimitsAreCheckedInTheirOrderOneAtATime) {
  load(2);
  typeAll("-5", "-6", "-300", "900");
  const char* expected[][4] = {{"0", "-6", "-300", "900"},
                               {"0", "0", "-300", "900"},
                               {"0", "0", "-200", "900"},
                               {"0", "0", "-200", "200"}};
  for (const auto& fields : expected) {
    f.TXTp(0).raise(Event::LostFocus);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(f.TXTp(k).text(), fields[k]) << k;
    EXPECT_EQ(w.PlanetX[2], 1200);
  }
  typeAll("20000", "12000", "0", "0");
  f.TXTp(1).raise(Event::LostFocus);
  EXPECT_EQ(f.TXTp(0).text(), "15360");
  f.TXTp(1).raise(Event::LostFocus);
  EXPECT_EQ(f.TXTp(1).text(), "11520");
  f.TXTp(1).raise(Event::LostFocus);
  EXPECT_EQ(w.PlanetY[2], 11220);  // applied, then held by the reload
}

TEST_F(Inspector, VisualModeLocksTheFieldsAndLetsOnlyTheScrollBarsApply) {
  load(2);
  f.Hsp(1).setValue(4000);  // "num": the bar does nothing
  EXPECT_EQ(w.PlanetY[2], 2200);
  f.Opadd(1).userClick();
  for (int k = 0; k <= 3; ++k) EXPECT_TRUE(f.TXTp(k).locked()) << k;
  EXPECT_FALSE(f.TXTp(4).locked());
  typeAndLeave(f.TXTp(4), "77");
  EXPECT_EQ(w.PlanetGravity[2], 0.2);
  f.Hsp(2).setValue(-40);
  EXPECT_EQ(w.MomentumX[2], -40);
  EXPECT_EQ(w.PlanetGravity[2], 77);  // the bar applies all five fields
  f.Opadd(0).userClick();
  for (int k = 0; k <= 3; ++k) EXPECT_FALSE(f.TXTp(k).locked() || f.Hsp(k).visible()) << k;
}

TEST_F(Inspector, LoadingInVisualModeMakesTheBodyWholeAndEnds) {
  w.PlanetX[3] = 2000.75, w.PlanetY[3] = 3000.25, w.MomentumX[3] = -4.5, w.MomentumY[3] = 1500;
  f.Opadd(1).userClick();
  load(3);
  EXPECT_EQ(w.PlanetX[3], 2000);
  EXPECT_EQ(w.PlanetY[3], 3000);
  EXPECT_EQ(w.MomentumX[3], -5);
  EXPECT_EQ(w.MomentumY[3], 999);
  EXPECT_EQ(w.PlanetGravity[3], 0.3);

  sim.resizeDrawingArea(600, 200);  // narrower than the panel strip, lower than 300
  load(4);
  EXPECT_EQ(w.PlanetX[4], 600);
  EXPECT_EQ(w.PlanetY[4], -100);
  sim.resizeDrawingArea(15360, 11520);

  load(5);
  f.TXTp(4).setText("heavy");
  f.Hsp(0).setValue(2000);  // cannot be written: the body stays and the bar goes back
  EXPECT_EQ(w.PlanetX[5], 1500);
  EXPECT_EQ(f.Hsp(0).value(), 1500);
  EXPECT_EQ(f.TXTp(4).text(), "0.5");
  EXPECT_TRUE(worldIsSound(sim));
}

TEST_F(Inspector, CaptionsReloadAndCopyRadiusAndCore) {
  f.TXTOden.setText("9");
  f.La(0).userClick();
  EXPECT_EQ(f.TxTyp.text(), "2");
  f.Text1.setText("7");
  f.La(2).userClick();
  EXPECT_EQ(f.Text5.text(), "7");
  f.Text5.setText("3");
  f.La(3).userClick();
  EXPECT_EQ(f.Text1.text(), "3");
}

}  // namespace
}  // namespace sw4
