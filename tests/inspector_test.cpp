#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/procedures.h"
#include "core/sim.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

using testing::typeAndLeave;
using testing::worldIsSound;

constexpr Color kDark = rgb(48, 48, 48);  // TXTOden's background

// A running system of ten bodies (the tick timer on, no "Go" needed), body n at (1000 + 100 n,
// 2000 + 100 n) with momentum (n, -n), type 1 + n % 4 and gravity n / 10.
struct Inspector : ::testing::Test {
  Sim sim;
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
  }
  void pause() {
    ASSERT_TRUE(f.Ti.enabled());
    f.Command5.userClick();
  }
  void resume() {
    ASSERT_FALSE(f.Ti.enabled());
    f.Command5.userClick();
  }
  void load(int n) {
    f.TXTOden.setText(std::to_string(n));
    f.La(0).userClick();
  }
  void typeAll(const char* x, const char* y, const char* mx, const char* my, const char* g) {
    const char* texts[] = {x, y, mx, my, g};
    for (int k = 0; k < 5; ++k) f.TXTp(k).setText(texts[k]);
  }
};

// --- Pause and resume ---

TEST_F(Inspector, PausingWithQuiAtZeroWalksBodyOneThenTheSun) {
  w.PlanetX[1] = 500;  // loading body 1 holds it at the scroll bar's minimum
  pause();
  EXPECT_EQ(w.PlanetX[1], 900);
  EXPECT_EQ(f.Qui.value(), 0);
  EXPECT_EQ(f.TXTOden.text(), "0");
  EXPECT_EQ(f.TxTyp.text(), "0");
}

TEST_F(Inspector, PausingStopsTheTickAndOpensThePanelInNumMode) {
  w.TickCount = 55;
  pause();
  EXPECT_EQ(w.TickCount, 0);
  EXPECT_FALSE(f.Ti.enabled());
  EXPECT_TRUE(f.TiF.enabled());
  for (int k = 0; k <= 4; ++k) {
    EXPECT_TRUE(f.TXTp(k).visible()) << k;
    EXPECT_TRUE(f.Label6(k).visible()) << k;
    EXPECT_FALSE(f.TXTp(k).locked()) << k;
  }
  for (int k = 0; k <= 3; ++k) EXPECT_FALSE(f.Hsp(k).visible()) << k;
  for (Control* c : {&f.TXTOden, &f.La(0),   &f.La(16),  &f.TxTyp,  &f.Qui,    &f.Frame2, &f.Chon,
                     &f.Shark,   &f.TXTp(5), &f.TXTp(6), &f.La(5),  &f.La(15), &f.ChLim,  &f.Label7,
                     &f.Label8,  &f.Label9,  &f.LaVmax,  &f.LaVmin, &f.LaVnow, &f.LavPer})
    EXPECT_TRUE(c->visible()) << c->fullName();
  EXPECT_TRUE(f.Opadd(0).selected());
  EXPECT_FALSE(f.Opadd(1).selected());
  EXPECT_EQ(f.Qui.max(), 10);
  EXPECT_EQ(f.Hsp(0).max(), 15360);
  EXPECT_EQ(f.Hsp(1).max(), 11520);  // the drawing height, until the next load
}

TEST_F(Inspector, PausingWithQuiElsewhereFollowsTheFieldWithinTheRange) {
  pause();
  f.Qui.setValue(3);
  resume();
  f.TXTOden.setText("7.5");  // rounds half to even
  pause();
  EXPECT_EQ(f.Qui.value(), 8);
  EXPECT_EQ(f.TXTOden.text(), "8");
  EXPECT_EQ(f.TxTyp.text(), "1");
  EXPECT_EQ(f.TXTp(0).text(), "1800");
  resume();
  f.TXTOden.setText("50");
  pause();
  EXPECT_EQ(f.Qui.value(), 10);
  EXPECT_EQ(f.TXTOden.text(), "10");
}

TEST_F(Inspector, QuiNeverReachesBeyondTheBodyArrays) {
  f.TXn.setText("5000");
  pause();
  EXPECT_EQ(f.Qui.max(), 999);
  resume();
  f.TXn.setText("-3");
  pause();
  EXPECT_EQ(f.Qui.max(), 0);
  resume();
  f.TXn.setText("12");
  pause();
  resume();
  f.TXn.setText("twelve");  // not a number: the range stays
  pause();
  EXPECT_EQ(f.Qui.max(), 12);
}

TEST_F(Inspector, QuiWalksTheBodiesIntoTheEditor) {
  pause();
  f.Qui.setValue(6);
  EXPECT_EQ(f.TXTOden.text(), "6");
  EXPECT_EQ(f.TxTyp.text(), "3");
  EXPECT_EQ(f.TXTp(1).text(), "2600");
  EXPECT_EQ(f.TXTp(4).text(), "0.6");
}

TEST_F(Inspector, ResumingClosesThePanelAndKeepsRecordsOnlyWithMinMaxTag) {
  pause();
  f.Opadd(1).userClick();
  resume();
  EXPECT_TRUE(f.Ti.enabled());
  EXPECT_FALSE(f.TiF.enabled());
  EXPECT_FALSE(f.Opadd(0).selected());
  EXPECT_FALSE(f.Opadd(1).selected());
  for (Control* c :
       {&f.TXTOden, &f.La(0), &f.La(16), &f.TxTyp, &f.Qui, &f.Frame2, &f.Chon, &f.Shark, &f.TXTp(5),
        &f.TXTp(6), &f.ChLim, &f.LavPer, &f.TXTp(4), &f.Label6(4), &f.Hsp(0), &f.Hsp(3)})
    EXPECT_FALSE(c->visible()) << c->fullName();

  pause();
  f.ChLim.setValue(1);
  resume();
  for (Control* c : {&f.TXTOden, &f.TXTp(5), &f.TXTp(6), &f.La(5), &f.La(15), &f.ChLim, &f.Label7,
                     &f.Label8, &f.LaVmax, &f.LaVmin, &f.LaVnow, &f.LavPer})
    EXPECT_TRUE(c->visible()) << c->fullName();
  EXPECT_FALSE(f.TXTp(0).visible());
}

TEST_F(Inspector, ResumingHidesTheSunPictureOnlyWhenTheSunIsFree) {
  pause();
  f.ImSun.setVisible(true);
  resume();
  EXPECT_TRUE(f.ImSun.visible());  // "Fixed" is ticked at start-up
  pause();
  f.CHsol.setValue(0);
  f.ImSun.setVisible(true);
  resume();
  EXPECT_FALSE(f.ImSun.visible());
}

TEST(InspectorBeforeGo, PauseStartsTheTickOnAnEmptySystem) {
  Sim sim;
  sim.world.TickCount = 9;
  sim.form.Command5.userClick();
  EXPECT_TRUE(sim.form.Ti.enabled());
  EXPECT_EQ(sim.world.TickCount, 0);
  EXPECT_FALSE(sim.form.TXTp(0).visible());
}

// --- The blinking marker ---

TEST_F(Inspector, MarkerAlternatesBetweenTheTypeColourAndADarkRing) {
  pause();
  load(2);  // type 3, lunar
  EXPECT_EQ(f.TXTOden.backColor(), kDark);
  f.TiF.fire();
  EXPECT_EQ(f.Shark.borderColor(), kDark);
  EXPECT_EQ(f.Shark.fillColor(), rgb(128, 128, 128));
  f.TiF.fire();
  EXPECT_EQ(f.Shark.borderColor(), rgb(225, 128, 32));
  EXPECT_EQ(f.Shark.fillColor(), rgb(0, 0, 0));
  EXPECT_EQ(f.TxTyp.foreColor(), rgb(225, 128, 32));
  f.TiF.fire();
  EXPECT_EQ(f.Shark.borderColor(), kDark);
  load(0);
  f.TiF.fire();
  EXPECT_EQ(f.Shark.borderColor(), rgb(255, 255, 128));
}

TEST_F(Inspector, TypeOutsideZeroToFourLeavesTheMarkerDark) {
  pause();
  for (const char* type : {"7", "2.5", "-1", "1e3"}) {
    f.TxTyp.setText(type);
    for (int k = 0; k < 3; ++k) {
      f.TiF.fire();
      EXPECT_EQ(f.Shark.borderColor(), kDark) << type;
    }
  }
}

// --- Loading a body ---

TEST_F(Inspector, LoadingHoldsTheBodyInsideTheScrollBars) {
  pause();
  w.PlanetX[4] = 500, w.PlanetY[4] = 11300.5;
  load(4);
  EXPECT_EQ(w.PlanetX[4], 900);
  EXPECT_EQ(w.PlanetY[4], 11520 - 300);
  EXPECT_EQ(f.TXTp(0).text(), "900");
  EXPECT_EQ(f.TXTp(1).text(), "11220");
  EXPECT_EQ(f.Hsp(0).value(), 900);
  EXPECT_EQ(f.Hsp(1).value(), 11220);
  EXPECT_EQ(f.Hsp(1).max(), 11220);
  w.PlanetX[4] = 16000, w.PlanetY[4] = -7;
  load(4);
  EXPECT_EQ(w.PlanetX[4], 15360);
  EXPECT_EQ(w.PlanetY[4], 0);
  w.PlanetX[4] = std::nan("");
  load(4);
  EXPECT_EQ(w.PlanetX[4], 900);
}

TEST_F(Inspector, MomentumBeyond999IsHeldAndLeavesItsScrollBar) {
  pause();
  w.MomentumX[5] = -12.5, w.MomentumY[5] = 998.75;
  load(5);
  EXPECT_EQ(f.Hsp(2).value(), -13);
  EXPECT_EQ(f.Hsp(3).value(), 998);
  EXPECT_EQ(w.MomentumX[5], -12.5);  // only the bar is whole in num mode
  w.MomentumX[5] = 1500, w.MomentumY[5] = -999;
  load(5);
  EXPECT_EQ(w.MomentumX[5], 999);
  EXPECT_EQ(w.MomentumY[5], -999);
  EXPECT_EQ(f.Hsp(2).value(), -13);
  EXPECT_EQ(f.Hsp(3).value(), 998);
  EXPECT_EQ(f.TXTp(2).text(), "999");
}

TEST_F(Inspector, FieldsShowTheGeneralFormAndGravityToSixteenDecimals) {
  pause();
  w.PlanetX[3] = 1234.125, w.MomentumY[3] = 1.0 / 3;
  w.PlanetGravity[3] = 123456789.25;
  load(3);
  EXPECT_EQ(f.TXTp(0).text(), "1234.125");
  EXPECT_EQ(f.TXTp(3).text(), "0.333333333333333");
  EXPECT_EQ(f.TXTp(4).text(), "123456789.25");
  EXPECT_EQ(f.TxTyp.text(), "4");
  w.PlanetGravity[3] = 1e-20;
  load(3);
  EXPECT_EQ(f.TXTp(4).text(), "0");
  w.PlanetGravity[3] = 1e-14;
  load(3);
  EXPECT_EQ(f.TXTp(4).text(), "0.00000000000001");
}

TEST_F(Inspector, LoadingSetsThePlanetSwitchFromTheBody) {
  pause();
  w.PlanetOff[6] = 1;
  load(6);
  EXPECT_EQ(f.Chon.value(), 1);
  EXPECT_EQ(f.Chon.caption(), "Planet OFF");
  load(7);
  EXPECT_EQ(f.Chon.value(), 0);
  EXPECT_EQ(f.Chon.caption(), "Planet ON");
  EXPECT_EQ(w.PlanetOff[6], 1);
}

TEST_F(Inspector, LoadingMarksTheBody) {
  pause();
  load(9);
  EXPECT_TRUE(f.Shark.visible());
  EXPECT_EQ(f.Shark.left(), 1788);  // 1900 - 112.5, half to even
  EXPECT_EQ(f.Shark.top(), 2788);
}

TEST_F(Inspector, NumbersThatNameNoBodyLoadNothing) {
  pause();
  load(3);
  for (const char* n : {"1000", "-1", "40000", "1e300"}) {
    f.TXTOden.setText(n);
    f.La(0).userClick();
    EXPECT_EQ(f.TxTyp.text(), "4") << n;
    EXPECT_EQ(f.TXTp(0).text(), "1300") << n;
  }
  f.TXTOden.setText("4 planets");  // leniently body 4
  f.La(0).userClick();
  EXPECT_EQ(f.TXTp(0).text(), "1400");
  EXPECT_TRUE(worldIsSound(sim));
}

// --- Writing a body back ---

TEST_F(Inspector, LeavingCorrectsOneFieldAtATimeThenAppliesAllFive) {
  pause();
  load(2);
  typeAll("1500.5", "3000", "250", "-7", "12345.678");
  typeAndLeave(f.TXTp(2), "250");
  EXPECT_EQ(f.TXTp(2).text(), "200");
  EXPECT_EQ(w.PlanetX[2], 1200);  // nothing applied
  EXPECT_EQ(w.MomentumX[2], 2);
  f.TXTp(4).raise(Event::LostFocus);  // leaving any field applies all five
  EXPECT_EQ(w.PlanetX[2], 1500.5);
  EXPECT_EQ(w.PlanetY[2], 3000);
  EXPECT_EQ(w.MomentumX[2], 200);
  EXPECT_EQ(w.MomentumY[2], -7);
  EXPECT_EQ(w.PlanetGravity[2], 12345.678);  // gravity has no limit
  EXPECT_EQ(f.TXTp(0).text(), "1500.5");     // and the body is reloaded
}

TEST_F(Inspector, LimitsAreCheckedInTheirOrder) {
  pause();
  load(2);
  typeAll("-5", "-6", "-300", "900", "1");
  const char* expected[][4] = {{"0", "-6", "-300", "900"},
                               {"0", "0", "-300", "900"},
                               {"0", "0", "-200", "900"},
                               {"0", "0", "-200", "200"}};
  for (const auto& fields : expected) {
    f.TXTp(0).raise(Event::LostFocus);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(f.TXTp(k).text(), fields[k]) << k;
    EXPECT_EQ(w.PlanetX[2], 1200);
  }
  typeAll("20000", "12000", "0", "0", "1");
  f.TXTp(1).raise(Event::LostFocus);
  EXPECT_EQ(f.TXTp(0).text(), "15360");
  f.TXTp(1).raise(Event::LostFocus);
  EXPECT_EQ(f.TXTp(1).text(), "11520");
  f.TXTp(1).raise(Event::LostFocus);
  EXPECT_EQ(w.PlanetY[2], 11220);  // applied, then held by the reload
}

TEST_F(Inspector, TextsThatAreNotNumbersWriteNothing) {
  pause();
  load(2);
  typeAll("5000", "6000", "1", "1", "much");
  f.TXTp(4).raise(Event::LostFocus);
  EXPECT_EQ(w.PlanetX[2], 1200);
  EXPECT_EQ(w.PlanetGravity[2], 0.2);
  EXPECT_EQ(f.TXTp(0).text(), "1200");  // the reload shows the body again
  EXPECT_EQ(f.TXTp(4).text(), "0.2");

  typeAll("5000", "6000", "1", "1", "3");
  f.TXTOden.setText("2x");  // leniently 2, but not a body number to write
  Bifrost(sim);
  EXPECT_EQ(w.PlanetX[2], 1200);
  f.TXTOden.setText("1000");
  Bifrost(sim);
  EXPECT_TRUE(worldIsSound(sim));
  f.TXTOden.setText("2");
  Bifrost(sim);
  EXPECT_EQ(w.PlanetX[2], 5000);
}

TEST_F(Inspector, LeavingAFieldInVisualModeAppliesNothing) {
  pause();
  load(2);
  f.Opadd(1).userClick();
  typeAndLeave(f.TXTp(4), "77");
  EXPECT_EQ(w.PlanetGravity[2], 0.2);
}

TEST_F(Inspector, ModesSwitchTheScrollBarsAndTheReadOnlyFields) {
  pause();
  f.Opadd(1).userClick();
  for (int k = 0; k <= 3; ++k) {
    EXPECT_TRUE(f.Hsp(k).visible()) << k;
    EXPECT_TRUE(f.TXTp(k).locked()) << k;
  }
  EXPECT_FALSE(f.TXTp(4).locked());
  f.Opadd(0).userClick();
  for (int k = 0; k <= 3; ++k) {
    EXPECT_FALSE(f.Hsp(k).visible()) << k;
    EXPECT_FALSE(f.TXTp(k).locked()) << k;
    EXPECT_TRUE(f.TXTp(k).visible()) << k;
  }
}

TEST_F(Inspector, ScrollBarsActOnlyInVisualMode) {
  pause();
  load(2);
  f.Hsp(1).setValue(4000);
  EXPECT_EQ(w.PlanetY[2], 2200);
  f.Opadd(1).userClick();
  f.Hsp(1).setValue(5000);
  EXPECT_EQ(w.PlanetY[2], 5000);
  EXPECT_EQ(f.TXTp(1).text(), "5000");
  EXPECT_EQ(f.Shark.top(), 4888);
  f.Hsp(2).setValue(-40);
  EXPECT_EQ(w.MomentumX[2], -40);
}

TEST_F(Inspector, LoadingInVisualModeMakesTheBodyWholeAndEnds) {
  pause();
  w.PlanetX[3] = 2000.75, w.PlanetY[3] = 3000.25, w.MomentumX[3] = -4.5, w.MomentumY[3] = 1500;
  f.Opadd(1).userClick();
  load(3);
  EXPECT_EQ(w.PlanetX[3], 2000);
  EXPECT_EQ(w.PlanetY[3], 3000);
  EXPECT_EQ(w.MomentumX[3], -5);
  EXPECT_EQ(w.MomentumY[3], 999);
  EXPECT_EQ(f.Hsp(2).value(), -5);
  EXPECT_EQ(f.TXTp(3).text(), "999");
  EXPECT_EQ(w.PlanetGravity[3], 0.3);
}

TEST_F(Inspector, VisualModeKeepsASoundBodyInATinyWindowOrWithABadField) {
  pause();
  f.Opadd(1).userClick();
  sim.resizeDrawingArea(600, 200);  // narrower than the panel strip, lower than 300
  load(4);
  EXPECT_EQ(w.PlanetX[4], 600);
  EXPECT_EQ(w.PlanetY[4], -100);
  sim.resizeDrawingArea(15360, 11520);
  load(5);
  f.TXTp(4).setText("heavy");
  f.Hsp(0).setValue(2000);  // cannot be written, so the body stays and the bar goes back
  EXPECT_EQ(w.PlanetX[5], 1500);
  EXPECT_EQ(f.Hsp(0).value(), 1500);
  EXPECT_EQ(f.TXTp(4).text(), "0.5");
  EXPECT_TRUE(worldIsSound(sim));
}

// --- The captions that act ---

TEST_F(Inspector, CaptionsReloadAndCopyRadiusAndCore) {
  pause();
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
