// The recorder: the lines it writes for what reaches the model from outside, and replays of them.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "model/world.h"
#include "program/program.h"
#include "recording/recorder.h"
#include "recording/world_hash.h"
#include "script/script_engine.h"
#include "setup/setup.h"

namespace sw4 {
namespace {

// Stands in for the window: outside events are raised directly, and actions queued for body B
// run in the tick's event processing after body B, as the window's event loop would run them.
struct Host {
  Program sim;
  std::string file;
  std::map<int, std::vector<std::function<void()>>> pending;
  Recorder recorder{sim, [this](std::string_view text) {
                      file += text;
                      return true;
                    }};
  int hook = sim.processEvents.add([this](int body) {
    auto actions = std::move(pending[body]);
    pending.erase(body);
    for (auto& a : actions) a();
  });
  ~Host() { sim.processEvents.remove(hook); }
};

std::optional<ScriptFailure> replay(const std::string& script) {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine(sim, out);
  std::istringstream in(script);
  return engine.run(in);
}

std::string expectations(const Sim& sim, const std::string& prefix = "") {
  return prefix + "expect TickCount=" + std::to_string(sim.world.TickCount) + "\n" + prefix +
         "expect WorldHash=" + formatHash(worldHash(sim)) + "\n";
}

TEST(RecorderTest, WritesOutsideEventsOnlyAndReplaysToTheSameState) {
  Host h;
  Fs4& f = h.sim.form;
  for (int i = 0; i < 3; ++i) f.Tr.fire();
  f.TXn.setText("12");
  f.Command2.userClick();  // "Go" presses CDstar by code: not written
  h.pending[2].push_back([&] {
    f.Och(3).userClick();
    h.sim.resizeDrawingArea(9000, 6000, 1.5);
  });
  for (int i = 0; i < 3; ++i) f.Ti.fire();
  h.recorder.finish();
  EXPECT_EQ(h.file,
            "size 15360 11520\nfire Tr 3\ntext TXn 12\nclick Command2\n"
            "during 2 click Och(3)\nduring 2 size 9000 6000\nduring 2 scale 1.5\nfire Ti\n"
            "fire Ti 2\n" +
                expectations(h.sim));
  EXPECT_FALSE(replay(h.file));

  std::string changed = h.file;
  changed.replace(changed.find("TXn 12"), 6, "TXn 11");
  const auto failure = replay(changed);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->status, 3);
}

TEST(RecorderTest, XInsideATickIsCheckedJustBeforeIt) {
  Host h;
  Fs4& f = h.sim.form;
  f.Command2.userClick();
  h.pending[1].push_back([&] { f.Command1.userClick(); });
  std::string atX;
  h.sim.endProgram.add([&] { atX = expectations(h.sim, "during 1 "); });
  f.Ti.fire();
  EXPECT_FALSE(h.recorder.recording());
  EXPECT_TRUE(h.file.ends_with(atX + "during 1 click Command1\nfire Ti\n")) << h.file;
  EXPECT_FALSE(replay(h.file));
}

TEST(RecorderTest, NewIsWrittenWithoutTheEventsOfItsStartUp) {
  Host h;
  h.sim.form.Command2.userClick();
  h.sim.form.Ti.fire();
  newRun(h.sim);
  h.sim.form.Tr.fire();
  h.recorder.finish();
  EXPECT_NE(h.file.find("fire Ti\nnew\nfire Tr\nexpect"), std::string::npos) << h.file;
  EXPECT_FALSE(replay(h.file));
}

TEST(RecorderTest, ASetupOpenedInsideATickIsWrittenAsItsSteps) {
  Host h;
  h.sim.form.Command2.userClick();
  const std::vector<SetupStep> steps = readSetup("text TXn 9\nclick Och(3)\n", h.sim.form).steps;
  h.pending[1].push_back([&] { applySetup(h.sim, steps); });
  h.sim.form.Ti.fire();
  h.recorder.finish();
  EXPECT_NE(h.file.find("fire Ti\nnew\ntext TXn 9\nclick Och(3)\nexpect"), std::string::npos)
      << h.file;
  EXPECT_FALSE(replay(h.file));
}

TEST(RecorderTest, StopAskedInsideATickWaitsForItsEnd) {
  Host h;
  h.sim.form.Command2.userClick();
  h.pending[0].push_back([&] { h.recorder.finishAfterTick(); });
  h.sim.form.Ti.fire();
  EXPECT_FALSE(h.recorder.recording());
  EXPECT_TRUE(h.file.ends_with("fire Ti\n" + expectations(h.sim))) << h.file;
}

TEST(RecorderTest, AFailedWriteStopsTheRecordingOnce) {
  Program sim;
  int writes = 0;
  Recorder recorder(sim, [&](std::string_view) {
    ++writes;
    return false;
  });
  // Enough typing to fill the buffer several times over.
  for (int i = 0; i < 30000; ++i) sim.form.TXn.setText(std::to_string(i));
  recorder.finish();
  EXPECT_FALSE(recorder.recording());
  EXPECT_EQ(writes, 1);
}

}  // namespace
}  // namespace sw4
