#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>

#include "model/world.h"
#include "program/program.h"
#include "script/script_engine.h"

namespace sw4 {
namespace {

constexpr double kG = 667.3;

struct Orbit {
  double radius;
  double exponent = 2;
  double sunGravity = 1000;
  bool sunFixed = true;   // "Fixed", as at start-up
  double speedShare = 1;  // of the speed on a circle
};

// Body 1, a giant, alone with the sun, set off at right angles to the sun for a pull of
// mu / r^exponent. A sun let go gets the opposite share of the motion, so the pair stays in view.
struct Orbiter {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine{sim, out};

  explicit Orbiter(const Orbit& o) {
    std::ostringstream s;
    s.precision(17);
    s << "text TXn 1\ntext TXg(0) " << o.sunGravity << "\ntext TXg(2) " << o.exponent
      << "\ntext TXTOden 1\nclick Command2\n"
      << (o.sunFixed ? "" : "click CHsol\n");
    run(s.str());
    const World& w = sim.world;
    const double g0 = o.sunGravity, g1 = o.sunFixed ? 0 : w.PlanetGravity[1];
    const double v = o.speedShare * std::sqrt(kG * (g0 + g1) / std::pow(o.radius, o.exponent - 1));
    s.str("");
    s << "set PlanetX(1) " << w.PlanetX[0] + o.radius << "\nset PlanetY(1) " << w.PlanetY[0]
      << "\nset MomentumX(1) 0\nset MomentumY(1) " << v * g0 / (g0 + g1) << "\nset MomentumY(0) "
      << -v * g1 / (g0 + g1) << "\n";
    run(s.str());
  }
  void run(const std::string& script) {
    std::istringstream in(script);
    const auto failure = engine.run(in);
    ASSERT_FALSE(failure) << failure->message;
  }
  double item(const char* name) { return std::stod(engine.item(name).read()); }
  double angle() const {
    const World& w = sim.world;
    return std::atan2(w.PlanetY[1] - w.PlanetY[0], w.PlanetX[1] - w.PlanetX[0]);
  }
  // Ticks until the body has gone once round the sun, between ticks by interpolation.
  double measuredPeriod() {
    double turned = 0, last = angle();
    for (int tick = 1; tick < 100000; ++tick) {
      run("fire Ti\n");
      double step = angle() - last;
      step -= 2 * std::numbers::pi * std::round(step / (2 * std::numbers::pi));
      last += step;
      if (std::fabs(turned + step) >= 2 * std::numbers::pi)
        return tick - 1 + (2 * std::numbers::pi - std::fabs(turned)) / std::fabs(step);
      turned += step;
    }
    return -1;
  }
};

TEST(OrbitTest, ThePeriodOfTheItemsIsTheMeasuredPeriod) {
  // Four radii round a fixed sun, and one round a sun that falls toward the giant too.
  for (const Orbit& c : {Orbit{1500}, Orbit{2500}, Orbit{3500}, Orbit{4500},
                         Orbit{.radius = 3000, .sunFixed = false}}) {
    Orbiter o(c);
    const double predicted = o.item("OrbitPeriod");
    EXPECT_LT(o.item("OrbitEccentricity"), 0.01) << c.radius;
    EXPECT_NEAR(o.measuredPeriod() / predicted, 1, 0.005) << c.radius << " " << predicted;
  }
}

// On an eccentric orbit the energy holds only with the potential of the exponent in force.
TEST(OrbitTest, EnergyAndAngularMomentumHoldRoundAFixedSunForEveryExponent) {
  for (const Orbit& c :
       {Orbit{.radius = 3000, .exponent = 1, .sunGravity = 1, .speedShare = 0.8},
        Orbit{.radius = 4000, .speedShare = 0.8},
        Orbit{.radius = 3000, .exponent = 2.5, .sunGravity = 8000, .speedShare = 0.9}}) {
    Orbiter o(c);
    const double energy = o.item("OrbitEnergy"), momentum = o.item("OrbitAngularMomentum");
    double nearest = c.radius;
    for (int k = 0; k < 40; ++k) {
      o.run("fire Ti 50\n");
      nearest = std::min(nearest, o.item("OrbitDistance"));
      EXPECT_NEAR(o.item("OrbitEnergy"), energy, std::fabs(energy) * 1e-2) << c.exponent;
      EXPECT_NEAR(o.item("OrbitAngularMomentum"), momentum, std::fabs(momentum) * 1e-9);
    }
    EXPECT_LT(nearest, c.radius * 0.8) << c.exponent;  // it did fall in
  }
}

}  // namespace
}  // namespace sw4
