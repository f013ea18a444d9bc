#include "qt/plot_window.h"

#include <gtest/gtest.h>

#include <sstream>

#include "program/program.h"
#include "qt_app.h"
#include "script/script_engine.h"

namespace sw4 {
namespace {

// The panel shows what the driver prints (to 8 digits), and the CSV carries energy and angular
// momentum, with the driver's word where they are not defined (the sun watching itself).
TEST(PlotWindowTest, TheOrbitPanelAndTheCsvSayWhatTheDriverSays) {
  testing::QtEnvironment::app();
  Program sim;
  std::ostringstream out;
  ScriptEngine driver(sim, out);
  std::istringstream setUp(
      "text TXn 1\ntext TXg(0) 1000\ntext TXTOden 1\nclick Command2\nset PlanetX(1) 10680\n"
      "set PlanetY(1) 5760\nset MomentumX(1) 0\nset MomentumY(1) 12\n");
  ASSERT_FALSE(driver.run(setUp));
  PlotWindow plot(sim);
  plot.show();
  const auto run = [&driver](const char* script) {
    std::istringstream in(script);
    ASSERT_FALSE(driver.run(in));
  };
  const auto sameAsTheDriver = [&] {
    plot.redraw();
    const char* items[PlotWindow::kOrbitNumbers] = {
        "OrbitDistance",      "OrbitSpeed",        "OrbitEnergy", "OrbitAngularMomentum",
        "OrbitSemiMajorAxis", "OrbitEccentricity", "OrbitPeriod"};
    for (int i = 0; i < PlotWindow::kOrbitNumbers; ++i) {
      const std::string said = driver.item(items[i]).read();
      if (said == "undefined")
        EXPECT_EQ(plot.orbitNumber(i), "undefined") << items[i];
      else
        EXPECT_NEAR(plot.orbitNumber(i).toDouble() / std::stod(said), 1, 1e-7) << items[i];
    }
  };

  run("fire Ti 5\n");
  sameAsTheDriver();
  QStringList lines = plot.csv().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 6);
  EXPECT_TRUE(lines[0].endsWith(",energy,angular_momentum"));
  EXPECT_NEAR(lines[5].section(',', 6, 6).toDouble(), 3000 * 12, 1e-6);  // r x v at the start
  EXPECT_LT(lines[5].section(',', 5, 5).toDouble(), 0);                  // a bound orbit

  run("text TXTOden 0\nfire Ti\n");
  sameAsTheDriver();
  EXPECT_EQ(plot.orbitNumber(0), "undefined");
  lines = plot.csv().split('\n', Qt::SkipEmptyParts);
  EXPECT_TRUE(lines.last().endsWith(",undefined,undefined")) << lines.last().toStdString();
}

}  // namespace
}  // namespace sw4
