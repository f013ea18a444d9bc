// The recorder: the lines it writes for what reaches the model from outside, and replays of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "model/world_variables.h"
#include "model/world.h"
#include "program/program.h"
#include "recording/recorder.h"
#include "recording/recording_format.h"
#include "recording/world_hash.h"
#include "recording/world_hash_v1.h"
#include "script/items.h"
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

const std::string kEnd = std::string(kRecordingEnd) + "\n";

using Readings = std::map<std::string, std::string>;

// The tick count and the hash as the driver prints them now.
Readings readNow(Sim& sim) {
  Readings r;
  for (const char* item : {"TickCount", "WorldHash"}) r[item] = resolveItem(sim, item).read();
  return r;
}

// `lines` are `expect ITEM=VALUE` lines (after `prefix`) naming each item read, at its value.
testing::AssertionResult checks(const Readings& read, std::string_view lines,
                                const std::string& prefix = "") {
  Readings named;
  std::istringstream in{std::string(lines)};
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with(prefix + "expect ") || line.find('=') == std::string::npos)
      return testing::AssertionFailure() << "not a check: " << line;
    const std::string item = line.substr(prefix.size() + 7);
    named[item.substr(0, item.find('='))] = item.substr(item.find('=') + 1);
  }
  if (named != read) return testing::AssertionFailure() << "checks:\n" << lines;
  return testing::AssertionSuccess();
}

// The lines of `file` between `before` and the end of the recording.
std::string_view between(const std::string& file, const std::string& before) {
  const std::size_t from = file.rfind(before);
  if (from == std::string::npos || !file.ends_with(kEnd)) return "missing";
  const std::size_t start = from + before.size();
  return std::string_view(file).substr(start, file.size() - kEnd.size() - start);
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
  const std::string events = recordingHeader() +
                             "\nsize 15360 11520\nfire Tr 3\ntext TXn 12\nclick Command2\n"
                             "during 2 click Och(3)\nduring 2 size 9000 6000\nduring 2 scale "
                             "1.5\nfire Ti\nfire Ti 2\n";
  EXPECT_TRUE(h.file.starts_with(events)) << h.file;
  EXPECT_TRUE(checks(readNow(h.sim), between(h.file, events)));
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
  Readings atX;
  h.sim.endProgram.add([&] { atX = readNow(h.sim); });
  f.Ti.fire();
  EXPECT_FALSE(h.recorder.recording());
  const std::string_view last = between(h.file, "click Command2\n");
  const std::string x = "during 1 click Command1\nfire Ti\n";
  ASSERT_TRUE(last.ends_with(x)) << h.file;
  EXPECT_TRUE(checks(atX, last.substr(0, last.size() - x.size()), "during 1 "));
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
  EXPECT_TRUE(checks(readNow(h.sim), between(h.file, "fire Ti\n")));
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

TEST(RecorderTest, ThePulseWritesWhatHappenedAndACheckpointEveryTenSeconds) {
  Host h;
  Fs4& f = h.sim.form;
  EXPECT_EQ(h.file, recordingHeader() + "\nsize 15360 11520\n");  // before anything happens
  f.Command2.userClick();
  f.Ti.fire();
  h.recorder.pulse(500);
  EXPECT_TRUE(h.file.ends_with("click Command2\nfire Ti\n")) << h.file;
  f.Ti.fire();
  // Due inside a tick, the checkpoint waits for the first outside event after it.
  h.pending[1].push_back([&] { h.recorder.pulse(Recorder::kCheckpointMs); });
  f.Ti.fire();
  const Readings checked = readNow(h.sim);
  f.Ti.fire();
  h.recorder.pulse(Recorder::kCheckpointMs + 500);
  ASSERT_TRUE(h.file.ends_with("fire Ti\n")) << h.file;
  const std::size_t from = h.file.rfind("fire Ti 2\n") + 10;
  EXPECT_TRUE(checks(checked, std::string_view(h.file).substr(from, h.file.size() - 8 - from)));

  // Cut off here, the recording replays to its end and says what held.
  const auto cut = replay(h.file);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->status, 4);
  EXPECT_EQ(cut->message,
            "recording ends at line 8 without its closing check; 1 checkpoint held, the last at "
            "tick 3");
  h.recorder.finish();
  EXPECT_FALSE(replay(h.file));
}

TEST(RecordingReplayTest, ARecordingWithoutItsClosingLineNeverPasses) {
  const std::string header = recordingHeader() + "\n";
  const auto status = [](const std::string& script) {
    const auto failure = replay(script);
    return failure ? failure->status : 0;
  };
  EXPECT_EQ(status(""), 4);
  EXPECT_EQ(status(header), 4);
  EXPECT_EQ(replay(header)->message,
            "recording ends at line 1 without its closing check; no checkpoint held");
  // A line cut in the middle is not run (this one would not hold).
  const auto cut = replay(header + "fire Tr 3\nexpect TickCount=9");
  EXPECT_EQ(cut->status, 4);
  EXPECT_NE(cut->message.find("ends at line 2 and part of another"), std::string::npos);
  EXPECT_EQ(status(header + "fire Tr 3\n" + kEnd), 0);
  EXPECT_EQ(status(header + "click Command1\n"), 0);  // "X": the replay ends with the program
  EXPECT_EQ(status("fire Tr 3\n"), 0);  // a script, or a recording older than the header
  EXPECT_EQ(status("# sw4 recording 2, sw4 9.0.0\n" + kEnd), 2);
}

TEST(WorldHashTest, VersionOneNamesWhatTheProgramHasAtItsWidth) {
  const auto width = [](const auto& field) {
    return std::visit(
        [](auto member) {
          using T = std::remove_cvref_t<decltype(std::declval<World>().*member)>;
          if constexpr (std::is_same_v<T, double> || std::is_same_v<T, BodyDoubles>)
            return hash_v1::Width::Double;
          else if constexpr (std::is_same_v<T, std::int32_t>)
            return hash_v1::Width::Int32;
          else
            return hash_v1::Width::Int16;
        },
        field);
  };
  for (const hash_v1::Number& n : hash_v1::kWorldVariables) {
    const auto* v = std::find_if(std::begin(kWorldVariables), std::end(kWorldVariables),
                                 [&](const WorldVariable& w) { return w.name == n.name; });
    ASSERT_NE(v, std::end(kWorldVariables)) << n.name;
    EXPECT_EQ(width(v->field), n.width) << n.name;
  }
  for (const hash_v1::Number& n : hash_v1::kBodyArrays) {
    const auto* a = std::find_if(std::begin(kBodyArrays), std::end(kBodyArrays),
                                 [&](const BodyArray& b) { return b.name == n.name; });
    ASSERT_NE(a, std::end(kBodyArrays)) << n.name;
    EXPECT_EQ(width(a->field), n.width) << n.name;
  }
  const Fs4 form;
  std::istringstream names{std::string(hash_v1::kControls)};
  for (std::string name; names >> name;) {
    const auto open = name.find('(');
    const Control* c = open == std::string::npos
                           ? form.find(name)
                           : form.find(name.substr(0, open), std::stoi(name.substr(open + 1)));
    EXPECT_TRUE(c) << name;
  }
}

}  // namespace
}  // namespace sw4
