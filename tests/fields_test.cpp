#include <gtest/gtest.h>

#include "model/sim.h"
#include "platform/control.h"
#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

using testing::typeAndLeave;

TEST(Fields, ExponentIsHeldWithin04And26) {
  Program sim;
  typeAndLeave(sim.form.TXg(2), "3");
  EXPECT_EQ(sim.form.TXg(2).text(), "2.6");
  typeAndLeave(sim.form.TXg(2), "0.1");
  EXPECT_EQ(sim.form.TXg(2).text(), "0.4");
  typeAndLeave(sim.form.TXg(2), "1.7");
  EXPECT_EQ(sim.form.TXg(2).text(), "1.7");
}

TEST(Fields, SunGravityIsTakenBeforeTheCorrection) {
  Program sim;
  typeAndLeave(sim.form.TXg(0), "-5");
  EXPECT_EQ(sim.form.TXg(0).text(), "0");
  EXPECT_EQ(sim.world.PlanetGravity[0], -5);
  typeAndLeave(sim.form.TXg(3), "0.5");
  EXPECT_EQ(sim.world.PlanetGravity[0], 0);
}

TEST(Fields, GravitiesAreHeldWithinTheirRange) {
  Program sim;
  typeAndLeave(sim.form.TXg(3), "0");
  EXPECT_EQ(sim.form.TXg(3).text(), "1E-09");
  typeAndLeave(sim.form.TXg(4), "100000");
  EXPECT_EQ(sim.form.TXg(4).text(), "99999");
  typeAndLeave(sim.form.TXg(1), "12abc");  // the leading number stands for the text
  EXPECT_EQ(sim.form.TXg(1).text(), "12");
  typeAndLeave(sim.form.TXg(5), "");
  EXPECT_EQ(sim.form.TXg(5).text(), "1E-09");
}

TEST(Fields, GravityFieldRetypesEveryBody) {
  Program sim;
  sim.world.TotalPlanets = 144;
  typeAndLeave(sim.form.TXg(1), "2000");
  for (int i = 1; i <= 144; ++i) {
    const double type = i <= 2 ? 1 : i <= 102 ? 2 : 3;
    EXPECT_EQ(sim.world.PlanetType[i], type) << i;
    EXPECT_EQ(sim.world.PlanetGravity[i], type == 1 ? 2000 : type == 2 ? 0.01 : 0.001) << i;
  }
  EXPECT_EQ(sim.world.PlanetType[145], 0);
}

TEST(Fields, ConstantThatIsNotANumberKeepsTheLastGoodOne) {
  Program sim;
  typeAndLeave(sim.form.TxTconstant, "500");
  EXPECT_EQ(sim.world.GConstant, 500);
  const long faults = dispatchedFaults();
  typeAndLeave(sim.form.TxTconstant, "5OO");
  EXPECT_EQ(sim.world.GConstant, 500);
  EXPECT_EQ(dispatchedFaults(), faults + 1);
}

TEST(Fields, BodyCountIsHeldWithin1And144) {
  Program sim;
  typeAndLeave(sim.form.TXn, "202");
  EXPECT_EQ(sim.form.TXn.text(), "144");
  typeAndLeave(sim.form.TXn, "-3");
  EXPECT_EQ(sim.form.TXn.text(), "1");
  typeAndLeave(sim.form.TXn, "50 bodies");
  EXPECT_EQ(sim.form.TXn.text(), "50 bodies");
}

TEST(Fields, RadiusMomentumCrustAndCore) {
  Program sim;
  typeAndLeave(sim.form.Text1, "0");
  EXPECT_EQ(sim.world.PlanetRadius, 1);
  EXPECT_EQ(sim.form.Text1.text(), "1");
  typeAndLeave(sim.form.Text1, "3");
  typeAndLeave(sim.form.Text5, "5");
  EXPECT_EQ(sim.form.Text5.text(), "3");
  EXPECT_EQ(sim.world.PlanetCore, 3);
  typeAndLeave(sim.form.Text2, "-30");
  EXPECT_EQ(sim.form.Text2.text(), "30");
  EXPECT_EQ(sim.world.MomentumRange, 30);
  EXPECT_EQ(sim.world.MomentumQuarter, 8);
  typeAndLeave(sim.form.Text4, "4");
  EXPECT_EQ(sim.world.CrustVolatility, 4);
  EXPECT_EQ(sim.world.CrustSpan, 9);
  typeAndLeave(sim.form.Text4, "40000");
  EXPECT_EQ(sim.world.CrustSpan, 65535);
}

TEST(Fields, TagIsHeldWithinTheBodies) {
  Program sim;
  sim.form.TXn.setText("144");
  typeAndLeave(sim.form.Text7, "500");
  EXPECT_EQ(sim.form.Text7.text(), "144");
  EXPECT_EQ(sim.world.TagPlanet, 144);
  EXPECT_EQ(sim.world.TotalPlanets, 144);
  typeAndLeave(sim.form.Text7, "-2");
  EXPECT_EQ(sim.form.Text7.text(), "0");
  EXPECT_EQ(sim.world.TagPlanet, 0);
  sim.form.TXn.setText("5000");
  typeAndLeave(sim.form.Text7, "3");
  EXPECT_EQ(sim.world.TotalPlanets, 999);
}

TEST(Fields, DoubleClicksStepAndCopy) {
  Program sim;
  sim.form.TXn.setText("143");
  sim.form.TXn.raise(Event::DblClick);
  EXPECT_EQ(sim.form.TXn.text(), "144");
  sim.form.TXn.raise(Event::DblClick);
  EXPECT_EQ(sim.form.TXn.text(), "144");
  sim.form.TXw(2).setText("999");
  sim.form.TXw(2).raise(Event::DblClick);
  EXPECT_EQ(sim.form.TXw(2).text(), "999");
  sim.form.TXw(0).raise(Event::DblClick);
  EXPECT_EQ(sim.form.TXw(0).text(), "3");
  sim.form.Text4.setText("0");
  sim.form.Text4.raise(Event::DblClick);
  EXPECT_EQ(sim.form.Text4.text(), "0");
  EXPECT_EQ(sim.world.CrustVolatility, 0);  // settings change only when the field is left
  sim.form.Text5.setText("7");
  sim.form.Text1.raise(Event::DblClick);
  EXPECT_EQ(sim.form.Text1.text(), "7");
  sim.form.Text1.setText("9");
  sim.form.Text5.raise(Event::DblClick);
  EXPECT_EQ(sim.form.Text5.text(), "9");
}

TEST(Fields, SidePanelsHideOnDoubleClick) {
  Program sim;
  sim.form.Frame7.raise(Event::DblClick);
  EXPECT_FALSE(sim.form.Frame7.visible());
  EXPECT_TRUE(sim.form.Frame8.visible());
  sim.form.Frame8.raise(Event::DblClick);
  EXPECT_FALSE(sim.form.Frame8.visible());
}

}  // namespace
}  // namespace sw4
