// Setups: saved, then opened on a fresh start-up, they give the same fields and options; a bad
// file is refused whole.
#include "setup/setup.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/world.h"
#include "program/program.h"
#include "script/script_engine.h"

namespace sw4 {
namespace {

// The texts and values of the fields, check boxes and option buttons outside the inspector.
std::string settings(const Sim& sim) {
  std::string s;
  for (const Control& c : sim.form.all()) {
    if (c.kind() != Kind::TextBox && c.kind() != Kind::CheckBox && c.kind() != Kind::OptionButton)
      continue;
    if (c.name() == "TXTOden" || c.name() == "TxTyp" || c.name() == "TXTp" || c.name() == "Chon" ||
        c.name() == "ChLim" || c.name() == "Opadd")
      continue;
    s += c.fullName() + " " + c.text() + " " + std::to_string(c.value()) + "\n";
  }
  return s;
}

// A user who changes fields and options before and after "Go".
void arrange(Program& p) {
  Fs4& f = p.form;
  f.TXn.setText("40");
  f.TXn.raise(Event::LostFocus);
  f.TXg(0).setText("  5 ");  // blanks kept
  f.Ch2.userClick();         // "Binary" retypes the sun's gravity as 0...
  f.TXg(0).setText("7");     // ...and the user types it again
  f.Och(3).userClick();
  f.OpCollide(0).userClick();
  f.ChCol.userClick();  // ticked at start-up: cleared
  f.CHr.userClick();
  f.TXref.setText("3");
  f.CHran.userClick();
  f.TXran.setText("1234");
  f.Command2.userClick();
  for (int i = 0; i < 5; ++i) f.Ti.fire();
  f.Text3.setText("");
}

TEST(SetupTest, SavedThenOpenedAfterNewGivesTheSameForm) {
  Program p;
  arrange(p);
  const std::string before = settings(p);
  const std::string setup = writeSetup(p);
  newRun(p);
  ASSERT_NE(settings(p), before);
  const SetupReading r = readSetup(setup, p.form);
  ASSERT_FALSE(r.error) << r.error->message;
  applySetup(p, r.steps);
  EXPECT_EQ(settings(p), before);
  EXPECT_EQ(p.form.Tiball.interval(), 3000);  // the clicks read the texts typed before them
  EXPECT_FALSE(p.form.Ti.enabled());          // a setup holds no run
}

TEST(SetupTest, TheFileRunsInTheDriverToTheSameForm) {
  Program used;
  arrange(used);
  const std::string setup = writeSetup(used);
  Program opened, driven;
  applySetup(opened, readSetup(setup, opened.form).steps);
  std::ostringstream out;
  ScriptEngine engine(driven, out);
  std::istringstream in(setup);
  ASSERT_FALSE(engine.run(in));
  EXPECT_EQ(settings(opened), settings(driven));
}

TEST(SetupTest, ABadLineIsRefusedWithItsNumberAndNothingElse) {
  const Fs4 form;
  const struct {
    const char* content;
    int line;
  } cases[] = {
      {"text TXn 5\nfire Ti\n", 2},
      {"# a comment\n\nclick Nothing\n", 3},
      {"text TXn 5\r\nscroll Qui\n", 2},  // cut off before its value
      {"click CHr extra\n", 1},
      {"text CHr 1\n", 1},
      {"click Command1\n", 1},  // "X" would end the program
      // Only what a user sets before "Go": no button, preset, hidden or inspector control, and
      // no other action.
      {"click CHr\nclick Command2\n", 2},
      {"click CDp(3)\n", 1},
      {"click Command5\n", 1},
      {"click Command4\n", 1},
      {"click Opadd(1)\n", 1},
      {"text TXTOden 5\n", 1},
      {"click TXn\n", 1},
      {"dblclick TXn\n", 1},
      {"leave TXn\n", 1},
      {"scroll Hsp(1) 3\n", 1},
      {"# CR-only line ends\rclick Command1\r", 1},
  };
  for (const auto& c : cases) {
    const SetupReading r = readSetup(c.content, form);
    ASSERT_TRUE(r.error) << c.content;
    EXPECT_EQ(r.error->line, c.line) << c.content;
    EXPECT_TRUE(r.steps.empty());
  }
}

TEST(SetupTest, TextKeepsEverythingAfterOneBlank) {
  const Fs4 form;
  // A byte-order mark may begin the file (other editors write one).
  const SetupReading r = readSetup("\xEF\xBB\xBFtext TXn  12 \r\ntext Text3\nclick Och(2)\n", form);
  ASSERT_FALSE(r.error) << r.error->message;
  ASSERT_EQ(r.steps.size(), 3u);
  EXPECT_EQ(r.steps[0].text, " 12 ");
  EXPECT_EQ(r.steps[1].text, "");
  EXPECT_EQ(r.steps[2].control, "Och(2)");
}

TEST(SetupTest, ALongSetupIsRefusedBeforeAnythingIsApplied) {
  const Fs4 form;
  std::string lines;
  for (int i = 0; i < kSetupMaxLines; ++i) lines += "click CHr\n";
  EXPECT_FALSE(readSetup(lines, form).error);
  const SetupReading r = readSetup(lines + "# one more\n", form);
  ASSERT_TRUE(r.error);
  EXPECT_EQ(r.error->line, kSetupMaxLines + 1);
}

TEST(SetupTest, OpenedInsideATickItWaitsForTheTickToEnd) {
  Program p;
  p.form.TXn.setText("6");
  p.form.Command2.userClick();
  const std::vector<SetupStep> steps = readSetup("text TXn 9\n", p.form).steps;
  p.processEvents.add([&](int body) {
    if (body == 3) applySetup(p, steps);
  });
  p.form.Ti.fire();
  EXPECT_EQ(p.world.TickCount, 0);
  EXPECT_EQ(p.form.TXn.text(), "9");
  EXPECT_EQ(p.surface.dotCount(), 0);
}

}  // namespace
}  // namespace sw4
