#include "recording/recorder.h"

#include <algorithm>

#include "model/fs4.h"
#include "model/sim.h"
#include "recording/item_catalogue.h"
#include "recording/recording_format.h"
#include "recording/world_hash.h"

namespace sw4 {

namespace {

constexpr std::size_t kWriteChunk = 64 * 1024;

// What a checkpoint and the end of a recording check, as the driver prints them.
constexpr std::string_view kCheckedItems[] = {"TickCount", "WorldHash"};

// The driver command that raises event e of c as a user or the host would; empty for an event
// no command raises.
std::string commandFor(const Control& c, Event e) {
  const std::string name = c.fullName();
  switch (e) {
    case Event::Click:
      return "click " + name;
    case Event::DblClick:
      return "dblclick " + name;
    case Event::LostFocus:
      return "leave " + name;
    case Event::Timer:
      return "fire " + name;
    case Event::Change:
      if (c.kind() == Kind::ScrollBar) return "scroll " + name + " " + std::to_string(c.value());
      if (c.kind() == Kind::TextBox) {
        // A script line cannot hold a line break; such a text replays with blanks (and the
        // expectations then tell the replay went another way).
        std::string t = c.text();
        std::replace_if(
            t.begin(), t.end(), [](char ch) { return ch == '\n' || ch == '\r'; }, ' ');
        return "text " + name + " " + t;
      }
      return {};
  }
  return {};
}

std::string fireLine(const Control& timer, long count) {
  std::string line = "fire " + timer.fullName();
  if (count > 1) line.append(" ").append(std::to_string(count));
  return line;
}

}  // namespace

Recorder::Recorder(Sim& sim, Write write, std::function<void()> stopped)
    : sim_(sim), write_(std::move(write)), stopped_(std::move(stopped)) {
  put(recordingHeader());
  std::vector<std::string> lines;
  sizeLines(lines);
  for (const std::string& l : lines) put(l);
  drain();  // the file tells what it is from the start
  outside_ = outsideEvents().add([this](Control& c, Event e) { outsideEvent(c, e); });
  resized_ = sim_.drawingResized.add([this] { resized(); });
  endProgram_ = sim_.endProgram.add([this] { programEnds(); });
  tickDone_ = sim_.tickDone.add([this] {
    if (finishPending_) finish();
  });
  // New runs outside any tick (it waits for the running one to end).
  newRunDone_ = sim_.newRunDone.add([this] {
    if (!recording_) return;
    flushHeld();
    put("new");
  });
}

Recorder::~Recorder() {
  outsideEvents().remove(outside_);
  sim_.drawingResized.remove(resized_);
  sim_.endProgram.remove(endProgram_);
  sim_.tickDone.remove(tickDone_);
  sim_.newRunDone.remove(newRunDone_);
}

bool Recorder::owns(const Control& c) const {
  return sim_.form.find(c.name(), c.index()) == &c;
}

std::string Recorder::duringPrefix() const {
  const int body = sim_.eventsAfterBody();
  // Only a tick that was itself recorded can carry the line.
  if (body < 0 || !holding()) return {};
  return "during " + std::to_string(body) + " ";
}

void Recorder::outsideEvent(const Control& c, Event e) {
  if (!recording_ || !owns(c)) return;
  if (finishPending_ && !sim_.inTick) {
    finish();
    return;
  }
  // The state before this event is the state after the lines so far.
  if (checkpointDue_ && !sim_.inTick) checkpoint();
  const std::string during = duringPrefix();
  if (e == Event::Timer && during.empty()) {
    if (held_.timer == &c && held_.durings.empty()) {
      ++held_.count;
      return;
    }
    flushHeld();
    held_.timer = &c;
    held_.count = 1;
    return;
  }
  std::string command = commandFor(c, e);
  if (command.empty()) return;
  add(during + command);
}

// A line for an outside event that is no timer's: a `during` line goes with the held tick,
// any other line is held in turn.
void Recorder::add(std::string line) {
  if (line.starts_with("during ")) {
    held_.durings.push_back(std::move(line));
    return;
  }
  flushHeld();
  held_.line = std::move(line);
}

void Recorder::sizeLines(std::vector<std::string>& into) {
  into.push_back("size " + std::to_string(sim_.widthTwips()) + " " +
                 std::to_string(sim_.heightTwips()));
  const double scale = sim_.surface.devicePixelRatio();
  if (scale != writtenScale_) {
    into.push_back("scale " + formatDouble(scale));
  }
  writtenScale_ = scale;
}

void Recorder::resized() {
  if (!recording_) return;
  std::vector<std::string> lines;
  sizeLines(lines);
  const std::string during = duringPrefix();
  if (!during.empty()) {
    for (std::string& l : lines) held_.durings.push_back(during + l);
    return;
  }
  flushHeld();
  for (const std::string& l : lines) put(l);
}

void Recorder::pulse(std::int64_t nowMs) {
  if (!recording_) return;
  if (nowMs >= nextCheckpointMs_) {
    checkpointDue_ = true;
    nextCheckpointMs_ = nowMs + kCheckpointMs;
  }
  // Inside a tick only whole lines go out; the rest waits for the next outside event.
  if (!sim_.inTick) {
    if (checkpointDue_) {
      checkpoint();
    } else {
      flushHeld();
    }
  }
  drain();
}

void Recorder::checkpoint() {
  checkpointDue_ = false;
  flushHeld();
  for (const std::string& l : expectations()) put(l);
}

// Runs inside the handler that ends the program: the state is checked just before its event,
// which is the latest line recorded.
void Recorder::programEnds() {
  if (!recording_) return;
  std::vector<std::string> expect = expectations();
  const std::string during = duringPrefix();
  if (!during.empty() && !held_.durings.empty()) {
    for (std::string& l : expect) l = during + l;
    held_.durings.insert(held_.durings.end() - 1, expect.begin(), expect.end());
    flushHeld();
  } else {
    for (const std::string& l : held_.durings) put(l);
    held_.durings.clear();
    for (const std::string& l : expect) put(l);
    flushHeld();
  }
  put(kRecordingEnd);
  drain();
  stop();
}

void Recorder::finish() {
  if (!recording_) return;
  flushHeld();
  for (const std::string& l : expectations()) put(l);
  put(kRecordingEnd);
  drain();
  stop();
}

void Recorder::finishAfterTick() {
  if (sim_.inTick) {
    finishPending_ = true;
  } else {
    finish();
  }
}

std::vector<std::string> Recorder::expectations() const {
  std::vector<std::string> lines;
  const ItemScope scope{&sim_};
  for (std::string_view item : kCheckedItems)
    lines.push_back("expect " + std::string(item) + "=" + readPlainItem(scope, item).value());
  return lines;
}

void Recorder::flushHeld() {
  Held h = std::move(held_);
  held_ = Held{};
  if (h.timer) {
    if (h.durings.empty()) {
      put(fireLine(*h.timer, h.count));
      return;
    }
    // The `during` lines wait for the next tick: the last event of the run.
    if (h.count > 1) put(fireLine(*h.timer, h.count - 1));
    for (const std::string& l : h.durings) put(l);
    put(fireLine(*h.timer, 1));
    return;
  }
  for (const std::string& l : h.durings) put(l);
  if (!h.line.empty()) put(h.line);
}

void Recorder::put(std::string_view line) {
  if (!recording_) return;
  buffer_.append(line);
  buffer_.push_back('\n');
  if (buffer_.size() >= kWriteChunk) drain();
}

void Recorder::drain() {
  if (!recording_ || buffer_.empty()) return;
  const bool ok = write_(buffer_);
  buffer_.clear();
  if (!ok) stop();
}

void Recorder::stop() {
  if (!recording_) return;
  recording_ = false;
  held_ = Held{};
  buffer_.clear();
  if (stopped_) stopped_();
}

}  // namespace sw4
