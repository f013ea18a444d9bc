// New: everything the driver can see equals a program that has just started.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "program/program.h"
#include "script/items.h"
#include "script/script_engine.h"

namespace sw4 {
namespace {

// A run that changes fields, options, the world, the drawing and the timers, then pauses.
constexpr const char* kBusyRun = R"(text TXn 12
leave TXn
click Och(3)
click OpCollide(0)
click ChCol
click CHr
text TXref 2
leave TXref
click CHran
text TXran 77
click Command2
advance 400
click Chdark
click ChLim
advance 100
click Command5
scroll Qui 3
text TXTp(0) 4000
leave TXTp(0)
)";

struct Driver {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine{sim, out};

  std::string run(const std::string& script) {
    std::istringstream in(script);
    out.str("");
    const auto failure = engine.run(in);
    EXPECT_FALSE(failure) << failure->line << ": " << failure->message;
    return out.str();
  }
};

// Every printable item as "name=value", and every pixel.
struct Seen {
  std::vector<std::string> items;
  std::vector<std::uint32_t> pixels;
  std::vector<ControlState> controls;
};

Seen see(Program& sim) {
  Seen s;
  for (const std::string& name : printableItemNames(sim.form))
    s.items.push_back(name + "=" + resolveItem(sim, name).read());
  const Surface& surface = sim.surface;
  s.pixels.assign(surface.data(),
                  surface.data() + std::size_t(surface.widthPixels()) * surface.heightPixels());
  for (const Control& c : sim.form.all()) s.controls.push_back(c.state());
  return s;
}

void expectSame(const Seen& got, const Seen& fresh) {
  ASSERT_EQ(got.items.size(), fresh.items.size());
  for (std::size_t i = 0; i < got.items.size(); ++i) EXPECT_EQ(got.items[i], fresh.items[i]);
  EXPECT_TRUE(got.pixels == fresh.pixels);
  EXPECT_TRUE(got.controls == fresh.controls);  // Locked too, which no item prints
}

TEST(NewRunTest, EverythingTheDriverSeesIsAsAtStartUp) {
  Driver fresh, used;
  used.run(kBusyRun);
  ASSERT_NE(see(used.sim).items, see(fresh.sim).items);  // the run did change things
  used.run("new\n");
  expectSame(see(used.sim), see(fresh.sim));
}

TEST(NewRunTest, TheSameScriptThenRunsAsOnAFreshStart) {
  const std::string script = std::string(kBusyRun) +
                             "click Command5\nadvance 300\nprint DotCount TickCount PlanetX(7) "
                             "MomentumY(3) TXran.Text Aphelion VelocityMax\n";
  Driver fresh, used;
  const std::string expected = fresh.run(script);
  used.run(kBusyRun);
  used.run("new\n");
  EXPECT_EQ(used.run(script), expected);
}

TEST(NewRunTest, AskedInsideATickItWaitsForTheTickToEnd) {
  Driver fresh, used;
  used.run("text TXn 20\nclick Command2\nadvance 100\nduring 10 new\nfire Ti\n");
  EXPECT_TRUE(used.sim.afterTick.empty());
  expectSame(see(used.sim), see(fresh.sim));
}

TEST(NewRunTest, TimersStartTheirPeriodAnew) {
  Driver used;
  used.run("advance 10\nnew\n");
  EXPECT_EQ(used.engine.clock().dueTime(used.sim.form.Tr), 25);
  EXPECT_EQ(used.engine.clock().dueTime(used.sim.form.Ti), -1);
}

}  // namespace
}  // namespace sw4
