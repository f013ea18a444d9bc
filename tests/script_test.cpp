#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/sim.h"
#include "model/world.h"
#include "program/program.h"
#include "script/script_engine.h"
#include "script/script_lines.h"

namespace sw4 {
namespace {

// One Sim driven by a script; output and failure kept.
struct Driver {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine{sim, out};
  std::optional<ScriptFailure> failure;

  std::string run(const std::string& script) {
    std::istringstream in(script);
    out.str("");
    failure = engine.run(in);
    return out.str();
  }
};

// A world of a few bodies that pull on each other, with the tick timer running.
void smallSystem(Sim& sim, int n) {
  World& w = sim.world;
  w.TotalPlanets = static_cast<std::int16_t>(n);
  w.GConstant = 1000;
  w.GExponent = 2;
  w.PlanetRadius = 1;
  w.PlanetCore = 1;
  w.TagPlanet = -1;
  for (int i = 1; i <= n; ++i) {
    w.PlanetX[i] = 3000 + 400.0 * i;
    w.PlanetY[i] = 3000 + 250.0 * (i % 3);
    w.PlanetGravity[i] = 5;
    w.PlanetType[i] = 4;
  }
  sim.form.Ti.setEnabled(true);
}

TEST(ScriptValues, NumbersBooleansAndTexts) {
  Driver d;
  const std::string out = d.run(
      "set GConstant 667.3\n"
      "set TotalPlanets 12\n"
      "print GConstant TotalPlanets Pi TXn.Text Och(0).Value Och(7).Value CHsol.Value\n"
      "print Command2.Value Ti.Enabled Tr.Enabled Hsp(0).Value Label12.Visible\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(out,
            "GConstant=667.29999999999995\nTotalPlanets=12\nPi=3.14159265358979\nTXn.Text=202\n"
            "Och(0).Value=False\nOch(7).Value=True\nCHsol.Value=1\nCommand2.Value=False\n"
            "Ti.Enabled=False\nTr.Enabled=True\nHsp(0).Value=0\nLabel12.Visible=True\n");
}

TEST(ScriptValues, CheckBoxShowsGreyedAndColoursArePacked) {
  Driver d;
  d.sim.form.ChLim.setValue(2);
  d.sim.form.Shark.setFillColor(rgb(1, 2, 3));
  d.sim.surface.setPixel(30, 45, rgb(255, 0, 1));
  EXPECT_EQ(d.run("print ChLim.Value Shark.FillColor Pixel(30,45) Pixel(-1,0) DotCount\n"),
            "ChLim.Value=2\nShark.FillColor=197121\nPixel(30,45)=65791\nPixel(-1,0)=" +
                std::to_string(d.sim.surface.background()) + "\nDotCount=1\n");
}

TEST(ScriptValues, SetBypassesHandlersAndStaysInRange) {
  Driver d;
  d.run(
      "set PlanetX(999) -1.5E3\nset PlanetOff(7) 1\nset Ti.Interval 40\nset Frame7.Visible "
      "False\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(d.sim.world.PlanetX[999], -1500);
  EXPECT_EQ(d.sim.world.PlanetOff[7], 1);
  EXPECT_EQ(d.sim.form.Ti.interval(), 40);
  EXPECT_FALSE(d.sim.form.Frame7.visible());

  for (const char* bad :
       {"set PlanetOff(7) 2", "set TotalPlanets 1000", "set SeedCounter 32768", "set GConstant nan",
        "set GConstant 1e400", "set TickCount 1.5", "set TXn.Text 5", "set CHsol.Value 0",
        "set DotCount 3", "set Ti.Interval -1"}) {
    Driver e;
    e.run(bad);
    ASSERT_TRUE(e.failure) << bad;
    EXPECT_EQ(e.failure->line, 1) << bad;
  }
}

TEST(ScriptErrors, ReportTheLineAndStopTheRun) {
  Driver d;
  const std::string out =
      d.run("# a comment\n\n   \nprint TotalPlanets\nprint Nothing\nprint Pi\n");
  ASSERT_TRUE(d.failure);
  EXPECT_EQ(d.failure->line, 5);
  EXPECT_NE(d.failure->message.find("Nothing"), std::string::npos);
  EXPECT_EQ(out, "TotalPlanets=0\n");
}

TEST(ScriptErrors, AFileThatCannotBeWrittenSaysWhy) {
  Driver d;
  d.run("png no-such-folder/x.png\n");
  ASSERT_TRUE(d.failure);
  EXPECT_TRUE(d.failure->message.ends_with(": No such file or directory")) << d.failure->message;
}

TEST(ScriptErrors, EveryKindOfMistakeIsCaught) {
  const char* mistakes[] = {
      "jump 3",
      "print",
      "print TXn",
      "print TXg(9).Text",
      "print TXg.Text",
      "print TXn.Colour",
      "print PlanetX(1000)",
      "print PlanetX(-1)",
      "print PlanetX(a)",
      "print Pixel(1)",
      "advance",
      "advance 1x",
      "advance -5",
      "advance 10 20",
      "click",
      "click Nobody",
      "text Label11 x",
      "scroll TXn 3",
      "fire Ch2",
      "fire Tr -1",
      "size 100",
      "size 100 x",
      "during 1000 click Command4",
      "during 3",
      "during 3 during 4 click Command4",
      "during 3 jump",
      "png",
      "leave TXn TXn",
      "set",
      "set Pi",
  };
  for (const char* m : mistakes) {
    Driver d;
    d.run(std::string("print Pi\n") + m + "\n");
    ASSERT_TRUE(d.failure) << m;
    EXPECT_EQ(d.failure->line, 2) << m;
  }
}

TEST(ScriptErrors, AnyBytesAreAnErrorNotACrash) {
  const std::string inputs[] = {std::string("print Pi\0x\n", 11),
                                std::string("cl\0ck TXn\n", 10),
                                "print " + std::string(1 << 20, 'A') + "\n",
                                "print Pi\xC3\xA9\n",
                                "\xFF\xFE\n",
                                "print PlanetX(99999999999999999999999)\n",
                                "print Pixel(,)\n",
                                "print ((.))\n",
                                "print .Text\n",
                                "print (\n",
                                "print )\n"};
  for (const std::string& s : inputs) {
    Driver d;
    d.run(s);
    ASSERT_TRUE(d.failure) << s.substr(0, 40);
    EXPECT_EQ(d.failure->line, 1);
  }
}

TEST(ScriptLines, AByteOrderMarkAndCrLfAreReadALoneCrAndAnEndlessLineAreNot) {
  Driver d;
  EXPECT_EQ(d.run("\xEF\xBB\xBFprint Pi\r\nprint Pi"),
            "Pi=3.14159265358979\nPi=3.14159265358979\n");
  EXPECT_FALSE(d.failure);
  // CR-only line ends: the comment would otherwise hide every line after it.
  d.run("print Pi\n# saved elsewhere\rclick Command1\r");
  ASSERT_TRUE(d.failure);
  EXPECT_EQ(d.failure->line, 2);
  EXPECT_NE(d.failure->message.find("CR"), std::string::npos);
  EXPECT_FALSE(d.sim.ended);
  d.run("print Pi\n" + std::string(ScriptLines::kMaxLineBytes + 1, '\0'));
  ASSERT_TRUE(d.failure);
  EXPECT_EQ(d.failure->line, 2);
  EXPECT_NE(d.failure->message.find("longer than"), std::string::npos);
}

TEST(ScriptText, IsTheRestOfTheLineAfterOneBlank) {
  Driver d;
  std::vector<std::string> changes;
  d.sim.form.Text9.on(Event::Change, [&] { changes.push_back(d.sim.form.Text9.text()); });
  d.run("text Text9  two blanks \r\ntext Text9\ntext Text9 caf\xC3\xA9\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(changes, (std::vector<std::string>{" two blanks ", "", "caf\xC3\xA9"}));
}

TEST(ScriptEvents, LeaveDoubleClickAndScrollReachTheHandlers) {
  Driver d;
  std::string seen;
  d.sim.form.Text9.on(Event::LostFocus, [&] { seen += "L"; });
  d.sim.form.Text9.on(Event::DblClick, [&] { seen += "D"; });
  d.sim.form.Hsp(0).setMin(0);
  d.sim.form.Hsp(0).setMax(10);
  d.sim.form.Hsp(0).on(Event::Change, [&] { seen += std::to_string(d.sim.form.Hsp(0).value()); });
  d.run("leave Text9\ndblclick Text9\nscroll Hsp(0) 4\nscroll Hsp(0) 400\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(seen, "LD410");
}

TEST(ScriptTime, SeedTimerFiresSixtySixTimesInOneSecond) {
  Driver d;
  d.run("advance 14\nprint SeedCounter\nadvance 1\nprint SeedCounter\nadvance 985\n");
  EXPECT_EQ(d.out.str(), "SeedCounter=0\nSeedCounter=1\n");
  EXPECT_EQ(d.sim.world.SeedCounter, 66);
  EXPECT_EQ(d.engine.clock().now(), 1000);
}

TEST(ScriptTime, DueTimersFireInTimeOrderTiesInDeclarationOrder) {
  Driver d;
  std::string order;
  Fs4& f = d.sim.form;
  auto note = [&](char timer) { order += timer + std::to_string(d.engine.clock().now()) + ' '; };
  f.Tr.on(Event::Timer, [&] { note('r'); });
  f.TiF.on(Event::Timer, [&] { note('F'); });
  d.run("set TiF.Interval 10\nset TiF.Enabled True\nadvance 30\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(order, "F10 r15 F20 r30 F30 ");
}

TEST(ScriptTime, ChangedIntervalOrReEnablingStartsTheCountAgain) {
  Driver d;
  d.run(
      "advance 10\nset Tr.Interval 100\nadvance 99\nprint SeedCounter\nadvance 1\n"
      "print SeedCounter\nadvance 50\nset Tr.Enabled False\nset Tr.Enabled True\nadvance 99\n"
      "print SeedCounter\nadvance 1\nprint SeedCounter\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(d.out.str(), "SeedCounter=0\nSeedCounter=1\nSeedCounter=1\nSeedCounter=2\n");
}

TEST(ScriptTime, AHandlerThatStopsATimerStopsItsLaterEvents) {
  Driver d;
  int fired = 0;
  d.sim.form.Tr.on(Event::Timer, [&] {
    if (++fired == 2) d.sim.form.Tr.setEnabled(false);
  });
  d.run("advance 1000\nfire Tr 5\n");
  EXPECT_EQ(fired, 2);
  d.run("set Tr.Enabled True\nfire Tr 3\nfire Tr 0\n");
  EXPECT_EQ(fired, 5);
  EXPECT_EQ(d.engine.clock().now(), 1000);  // fire does not move time
}

TEST(ScriptDuring, RunsAfterTheBodysInnerLoopOfTheNextTick) {
  Driver d;
  smallSystem(d.sim, 6);
  const World& w = d.sim.world;
  const double before2 = w.MomentumX[2], before3 = w.MomentumX[3];
  d.run("during 3 print MomentumX(4) MomentumX(3) MomentumX(2) TickCount\nfire Ti\n");
  ASSERT_FALSE(d.failure);
  // Body 4 was pulled before the event processing after body 3; bodies 3 and 2 were not yet.
  ASSERT_NE(w.MomentumX[2], before2);
  char expected[200];
  std::snprintf(expected, sizeof expected,
                "MomentumX(4)=%.17G\nMomentumX(3)=%.17G\nMomentumX(2)=%.17G\nTickCount=1\n",
                w.MomentumX[4], before3, before2);
  EXPECT_EQ(d.out.str(), expected);
}

TEST(ScriptDuring, AChangeMidTickReachesTheLaterBodies) {
  Driver d;
  smallSystem(d.sim, 6);
  d.run("during 4 set PlanetOff(2) 1\nfire Ti\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(d.sim.world.MomentumX[2], 0);  // switched off before its turn: not pulled
  EXPECT_NE(d.sim.world.MomentumX[5], 0);
}

TEST(ScriptDuring, CommandsTheTickDoesNotReachAreDropped) {
  Driver d;
  smallSystem(d.sim, 6);
  d.run("during 7 set PlanetOff(1) 1\nprint Pi\n");
  EXPECT_EQ(d.engine.queuedDuring(), 1u);  // waits for a tick
  d.run("fire Ti\n");
  EXPECT_EQ(d.engine.queuedDuring(), 0u);
  d.sim.world.TotalPlanets = 8;
  d.run("fire Ti\n");
  EXPECT_EQ(d.sim.world.PlanetOff[1], 0);
}

TEST(ScriptDuring, QueuedCommandsWaitWhileTicksDoNotRun) {
  Driver d;
  smallSystem(d.sim, 6);
  d.sim.form.Ti.setEnabled(false);
  d.run("during 2 print TickCount\nfire Ti 3\nadvance 100\nset Ti.Enabled True\nadvance 15\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(d.out.str(), "TickCount=1\n");
}

TEST(ScriptDuring, AnErrorInsideATickReportsTheDuringLine) {
  Driver d;
  smallSystem(d.sim, 3);
  d.run("print Pi\nduring 1 png nonexistent-dir/x.png\nfire Ti 2\nprint TickCount\n");
  ASSERT_TRUE(d.failure);
  EXPECT_EQ(d.failure->line, 2);
  EXPECT_EQ(d.sim.world.TickCount, 1);  // the tick finished, the second event was not delivered

  Driver far;  // line numbers past 2^31
  smallSystem(far.sim, 3);
  far.engine.runLine("during 1 png nonexistent-dir/x.png", 3'000'000'000);
  far.run("fire Ti\n");
  ASSERT_TRUE(far.failure);
  EXPECT_EQ(far.failure->line, 3'000'000'000);
}

TEST(ScriptEnd, NothingRunsAfterTheProgramEnds) {
  Driver d;
  const std::string out = d.run("print Pi\nclick Command1\nprint TotalPlanets\n");
  EXPECT_FALSE(d.failure);
  EXPECT_TRUE(d.sim.ended);
  EXPECT_EQ(out, "Pi=3.14159265358979\n");
}

TEST(ScriptSize, ResizesTheDrawingArea) {
  Driver d;
  d.run("size 1500 300\nprint W H\n");
  ASSERT_FALSE(d.failure);
  EXPECT_EQ(d.out.str(), "W=1500\nH=300\n");
  EXPECT_EQ(d.sim.surface.widthPixels(), 100);
  EXPECT_EQ(d.sim.surface.heightPixels(), 20);
}

}  // namespace
}  // namespace sw4
