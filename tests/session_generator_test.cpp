#include "sessions/session_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/sim.h"
#include "program/program.h"
#include "recording/item_catalogue.h"
#include "script/command_parser.h"
#include "script/line_cursor.h"
#include "script/script_engine.h"
#include "sessions/hostile_texts.h"

namespace sw4::robust {
namespace {

// The lines of a session, drawn against a program that does not run them.
std::vector<std::string> drawLines(std::uint64_t seed, int n, const Sim& sim) {
  SessionGenerator gen(seed, n, sim);
  std::vector<std::string> lines;
  for (std::string l = gen.next(); !l.empty(); l = gen.next()) lines.push_back(l);
  return lines;
}

TEST(SessionGenerator, ReachesEveryControlOfTheFormWithItsOwnKindOfAction) {
  Program sim;
  const std::vector<std::string> lines = drawLines(11, 60000, sim);
  std::map<std::string, std::set<std::string>> used;  // control -> commands that named it
  for (const std::string& line : lines) {
    LineCursor c(line);
    std::string_view cmd = c.word();
    if (cmd == "during") {
      c.word();
      cmd = c.word();
    }
    used[std::string(c.word())].emplace(cmd);
  }
  for (const Control& c : sim.form.all()) {
    const auto& commands = used[c.fullName()];
    switch (c.kind()) {
      case Kind::Timer:
        EXPECT_TRUE(commands.count("fire")) << c.fullName();
        break;
      case Kind::TextBox:
        EXPECT_TRUE(commands.count("text") && commands.count("leave")) << c.fullName();
        break;
      case Kind::ScrollBar:
        EXPECT_TRUE(commands.count("scroll")) << c.fullName();
        break;
      default:
        if (c.fullName() != "Command1") {
          EXPECT_TRUE(commands.count("click") && commands.count("dblclick")) << c.fullName();
        }
    }
  }
  for (const char* cmd : {"advance", "during", "set", "size", "print"})
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [cmd](const std::string& l) {
      return l.rfind(std::string(cmd) + " ", 0) == 0;
    })) << cmd;
  // Every item of the catalogue gets printed.
  std::set<std::string> printed;
  for (const std::string& line : lines) {
    LineCursor c(line);
    if (c.word() != "print") continue;
    for (std::string_view w = c.word(); !w.empty(); w = c.word()) {
      const std::string_view name = w.substr(w.find('.') == w.npos ? 0 : w.find('.') + 1);
      printed.emplace(name.substr(0, name.find('(')));
    }
  }
  for (const ItemPattern& p : itemPatterns())
    EXPECT_TRUE(printed.count(std::string(p.name))) << p.name;
}

TEST(SessionGenerator, EveryLineIsAValidCommandOnOneLine) {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine(sim, out);
  int n = 0;
  for (const std::string& line : drawLines(3, 20000, sim)) {
    ++n;
    ASSERT_EQ(line.find('\n'), std::string::npos) << n;
    ASSERT_NO_THROW(parseCommand(engine, line, n, false)) << n << ": " << line;
  }
}

TEST(SessionGenerator, GoIsPressedAtAPointOfTheSeedsChoosing) {
  Program sim;
  std::set<std::size_t> where;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    const auto lines = drawLines(seed, 500, sim);
    ASSERT_EQ(lines.size(), 500u);
    const auto go = std::find(lines.begin(), lines.end(), "click Command2");
    ASSERT_NE(go, lines.end()) << seed;
    where.insert(static_cast<std::size_t>(go - lines.begin()));
  }
  EXPECT_GT(where.size(), 10u);
}

TEST(SessionGenerator, SameSeedSameSessionOtherSeedAnother) {
  Program sim;
  EXPECT_EQ(drawLines(42, 2000, sim), drawLines(42, 2000, sim));
  EXPECT_NE(drawLines(42, 2000, sim), drawLines(43, 2000, sim));
}

TEST(HostileTexts, EachReachesTheFieldAsItStands) {
  // Blanks around, NUL inside, bytes that are not UTF-8: the driver types them all unchanged.
  Program sim;
  std::ostringstream out;
  ScriptEngine engine(sim, out);
  int n = 0;
  for (const std::string& t : hostileTexts()) {
    engine.runLine("text TXspibi " + t, ++n);
    EXPECT_EQ(sim.form.TXspibi.text(), t) << n;
  }
  std::set<std::string> all(hostileTexts().begin(), hostileTexts().end());
  using namespace std::string_literals;
  for (const std::string& t : {""s, " "s, "-"s, "1e999"s, "-1e999"s, "NaN"s, "&H7FFF"s, "1,5"s,
                               "99999999999"s, "-32769"s, "32768"s, "1\0"s})
    EXPECT_TRUE(all.count(t)) << t;
}

}  // namespace
}  // namespace sw4::robust
