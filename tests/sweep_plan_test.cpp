#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sweep/run_plan.h"

namespace sw4::sweep {
namespace {

using Values = std::vector<std::string>;

TEST(SweepPlanTest, ValueLists) {
  EXPECT_EQ(valueList("10:40:4"), (Values{"10", "20", "30", "40"}));
  EXPECT_EQ(valueList("0.1:0.5:5"), (Values{"0.1", "0.2", "0.3", "0.4", "0.5"}));
  EXPECT_EQ(valueList("-1:1"), (Values{"-1", "0", "1"}));
  EXPECT_EQ(valueList("1,2,5"), (Values{"1", "2", "5"}));
  EXPECT_EQ(valueList("7:9:1"), (Values{"7"}));
  for (const char* bad : {"1:2.5", "5:1", "a:b", "1,,2", "1:2:0", "1:2:3:4", "1:1e9"})
    EXPECT_THROW(valueList(bad), SweepError) << bad;
}

TEST(SweepPlanTest, NamesAndValuesAreCheckedAgainstTheForm) {
  EXPECT_EQ(variation("TXg(3)=1,2").kind, Variation::Kind::Text);
  EXPECT_EQ(variation("Och=2,7").kind, Variation::Kind::Option);
  EXPECT_EQ(variation("MomentumY(1)=1:3").kind, Variation::Kind::Item);
  for (const char* bad : {"Nothing=1", "Command2=1", "Och=8", "OrbitPeriod=1", "MomentumY(1)=fast",
                          "TotalPlanets=1000", "TXn"})
    EXPECT_THROW(variation(bad), SweepError) << bad;
  EXPECT_THROW(seeds("1:40000"), SweepError);
}

// Where the run's values go: over the base's own line, else before "Go" (fields, options, the
// seed) or after the base (items); expectations become comments; "Go" comes when the base has none.
TEST(SweepPlanTest, ARunIsTheBaseWithItsValues) {
  const Base base{"base.sw4",
                  {"text TXg(3) 0.01", "expect TickCount=0", "click Command2", "set MomentumY(1) 3",
                   "fire Ti 2"}};
  const std::vector<Variation> varied = {variation("TXg(3)=5"), variation("Text5=2"),
                                         variation("MomentumY(1)=7"), variation("PlanetX(1)=9"),
                                         variation("Och=2")};
  const sweep::Run run{1, {"5", "2", "7", "9", "2"}, "11"};
  const std::string script = runScript(base, varied, run, RunShape{1, 30, 0.5});
  const std::string body = script.substr(script.find("scale 0.5\n"));
  EXPECT_EQ(body,
            "scale 0.5\ntext TXg(3) 5\n# (not checked in a sweep) expect TickCount=0\n"
            "text Text5 2\nclick Och(2)\ntext TXran 11\nclick Command2\nset MomentumY(1) 7\n"
            "fire Ti 2\nset PlanetX(1) 9\nfire Ti 30\nprint TickCount BodiesOn Merges BodiesLost "
            "Aphelion Perihelion OrbitDistance OrbitSpeed OrbitEnergy OrbitAngularMomentum "
            "OrbitSemiMajorAxis OrbitEccentricity OrbitPeriod WorldHash\npng thumb.png\n");

  const std::string setup =
      runScript(Base{"setup.sw4", {"text TXn 9"}}, {}, sweep::Run{1, {}, {}}, {});
  EXPECT_NE(setup.find("text TXn 9\nclick Command2\nfire Ti 2000\n"), std::string::npos);
}

}  // namespace
}  // namespace sw4::sweep
