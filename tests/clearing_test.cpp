#include <gtest/gtest.h>

#include "model/sim.h"
#include "program/program.h"
#include "sim_fixture.h"
#include "website/website.h"

namespace sw4 {
namespace {

using testing::typeAndLeave;

TEST(Seed, CounterShowsInTheFieldAndWraps) {
  Program sim;
  sim.form.Tr.fire();
  EXPECT_EQ(sim.form.TXran.text(), "1");
  sim.world.SeedCounter = 32000;
  sim.form.Tr.fire();
  EXPECT_EQ(sim.form.TXran.text(), "-32000");
  EXPECT_EQ(sim.world.SeedCounter, -32000);
}

TEST(Seed, RandomStopsTheCounterAndATypedSeedStays) {
  Program sim;
  sim.form.CHran.userClick();
  EXPECT_FALSE(sim.form.Tr.enabled());
  sim.form.TXran.setText("1234");
  sim.form.Tr.fire();
  EXPECT_EQ(sim.form.TXran.text(), "1234");
  sim.form.CHran.userClick();
  EXPECT_TRUE(sim.form.Tr.enabled());
  sim.form.Tr.fire();
  EXPECT_EQ(sim.form.TXran.text(), "1");  // counting resumes from the counter
}

TEST(Seed, TypedSeedIsHeldToSixteenBits) {
  Program sim;
  typeAndLeave(sim.form.TXran, "40000");
  EXPECT_EQ(sim.form.TXran.text(), "32767");
  typeAndLeave(sim.form.TXran, "-40000");
  EXPECT_EQ(sim.form.TXran.text(), "-32767");
  EXPECT_EQ(sim.world.SeedCounter, 0);
}

TEST(Clearing, AutoClearRunsAtTheFieldsPeriod) {
  Program sim;
  sim.form.CHr.userClick();
  EXPECT_TRUE(sim.form.TXref.visible());
  EXPECT_TRUE(sim.form.Tiball.enabled());
  EXPECT_EQ(sim.form.Tiball.interval(), 14000);
  typeAndLeave(sim.form.TXref, "0.5");
  EXPECT_EQ(sim.form.Tiball.interval(), 500);
  typeAndLeave(sim.form.TXref, "0");
  EXPECT_EQ(sim.form.Tiball.interval(), 1);
  sim.form.CHr.userClick();
  EXPECT_FALSE(sim.form.TXref.visible());
  EXPECT_FALSE(sim.form.Tiball.enabled());
}

TEST(Clearing, PeriodicClearingWaitsWhileTheInspectorIsOpen) {
  Program sim;
  sim.form.CHr.userClick();
  sim.surface.setPixel(3000, 3000, rgb(255, 0, 0));
  sim.form.TXTOden.setVisible(true);
  sim.form.Tiball.fire();
  EXPECT_EQ(sim.surface.dotCount(), 1);
  sim.form.Command4.userClick();  // "Clear" still erases
  EXPECT_EQ(sim.surface.dotCount(), 0);
  sim.surface.setPixel(3000, 3000, rgb(255, 0, 0));
  sim.form.TXTOden.setVisible(false);
  sim.form.Tiball.fire();
  EXPECT_EQ(sim.surface.dotCount(), 0);
}

TEST(Clearing, ClearZeroesTheSpeedExtremes) {
  Program sim;
  sim.world.VelocityMax = 5, sim.world.VelocityMin = 2, sim.world.VelocityRatio = 60;
  sim.form.Command4.userClick();
  EXPECT_EQ(sim.world.VelocityMax, 0);
  EXPECT_EQ(sim.world.VelocityMin, 0);
  EXPECT_EQ(sim.world.VelocityRatio, 60);
}

TEST(Program, XEndsIt) {
  Program sim;
  bool ended = false;
  sim.endProgram.add([&] { ended = true; });
  sim.form.Command1.userClick();
  EXPECT_TRUE(ended);
}

TEST(Website, OpensTheAddressOrSaysABrowserIsNeeded) {
  Program sim;
  std::string opened, title;
  const int failing = sim.openUrl.add([&](const std::string& url) {
    opened = url;
    return false;
  });
  sim.criticalMessage.add([&](const std::string& t, const std::string& text) {
    title = t;
    EXPECT_NE(text.find("web browser"), std::string::npos);
  });
  sim.form.ImMoon.userClick();
  EXPECT_EQ(opened, kWebsite);
  EXPECT_EQ(title, "Cannot find Browser:");
  title.clear();
  sim.openUrl.remove(failing);
  sim.openUrl.add([](const std::string&) { return true; });
  sim.form.CDwww.userClick();
  EXPECT_EQ(title, "");
}

}  // namespace
}  // namespace sw4
