#include "script/script_engine.h"

#include <bit>
#include <istream>
#include <string>

#include "model/fs4.h"
#include "model/world.h"
#include "platform/fault.h"
#include "recording/recording_format.h"
#include "recording/world_hash.h"
#include "script/command_parser.h"
#include "script/items.h"
#include "script/line_cursor.h"
#include "script/script_lines.h"

namespace sw4 {

ScriptEngine::ScriptEngine(Sim& sim, std::ostream& out, Timeline::Settings history)
    : sim_(sim), out_(out), clock_(sim.form), tally_(sim), view_(sim) {
  processEvents_ = sim_.processEvents.add([this](int body) { eventProcessing(body); });
  Timeline::Host host;
  host.replay = [this](std::string_view line) { runLine(line, 0); };
  // The scale a later `size` keeps, the counts and the clock.
  host.saveHost = [this](std::vector<std::int64_t>& into) {
    into.push_back(std::bit_cast<std::int64_t>(scale_));
    tally_.save(into);
    clock_.save(into);
  };
  host.restoreHost = [this](const std::int64_t* from) {
    scale_ = std::bit_cast<double>(from[0]);
    clock_.restore(from + 1 + tally_.restore(from + 1));
  };
  timeline_ = std::make_unique<Timeline>(sim_, std::move(host), history);
}

ScriptEngine::~ScriptEngine() {
  sim_.processEvents.remove(processEvents_);
}

std::optional<ScriptFailure> ScriptEngine::run(std::istream& in) {
  ScriptLines lines(in);
  std::string line;
  std::int64_t lineNo = 0;
  bool cutLine = false;
  try {
    while (!stopped() && lines.next(line)) {
      // A crash leaves at most one line without its end: what it held is not known.
      if (recording_ && !lines.lineEnded()) {
        cutLine = true;
        break;
      }
      lineNo = lines.number();
      runLine(line, lineNo);
    }
  } catch (const ScriptError& e) {
    return ScriptFailure{lines.number(), e.what(), e.status};
  }
  if (failure_) return failure_;
  if (lineNo == 0 && !cutLine) return ScriptFailure{0, "the script is empty: nothing ran", 4};
  if (recording_ && !closed_ && !sim_.ended) return cutShort(lineNo, cutLine);
  return std::nullopt;
}

ScriptFailure ScriptEngine::cutShort(std::int64_t lastLine, bool cutLine) const {
  std::string m = "recording ends at line " + std::to_string(lastLine);
  if (cutLine) m += " and part of another";
  m += " without its closing check; ";
  if (checkpoints_ == 0) {
    m += "no checkpoint held";
  } else {
    m += std::to_string(checkpoints_) + (checkpoints_ == 1 ? " checkpoint" : " checkpoints") +
         " held, the last at tick " + std::to_string(lastCheckpointTick_);
  }
  return ScriptFailure{0, m, 4};
}

void ScriptEngine::checkpointHeld() {
  ++checkpoints_;
  lastCheckpointTick_ = sim_.world.TickCount;
}

void ScriptEngine::readHeader(std::string_view line) {
  const std::optional<long> version = recordingVersion(line);
  if (!version) return;
  if (*version > kRecordingVersion)
    throw ScriptError("a recording of version " + std::to_string(*version) +
                      ": this sw4-script replays versions up to " +
                      std::to_string(kRecordingVersion));
  if (*version < 1 || !knownWorldHashVersion(*version))
    throw ScriptError("no recording version " + std::to_string(*version));
  recording_ = true;
  hashVersion_ = static_cast<int>(*version);
}

void ScriptEngine::runLine(std::string_view line, std::int64_t lineNo) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (lineNo == 1) readHeader(line);
  if (recording_ && line == kRecordingEnd) closed_ = true;
  LineCursor probe(line);
  const std::string_view first = probe.word();
  if (first.empty() || first.front() == '#') return;
  const std::function<void()> command = parseCommand(*this, line, lineNo, false);
  try {
    command();
  } catch (const Fault&) {
    // A fault that escaped a handler belongs to the simulation, not to the script.
  }
  afterEvent();
}

Item ScriptEngine::item(std::string_view token) const {
  return resolveItem(sim_, token, hashVersion_, &tally_, &timeline_->position());
}

void ScriptEngine::resize(int widthTwips, int heightTwips, double scale) {
  const auto pixels = [scale](int twips) { return twips * scale / Surface::kTwipsPerLogicalPixel; };
  if (pixels(widthTwips) > kMaxSurfacePixels || pixels(heightTwips) > kMaxSurfacePixels)
    throw ScriptError("the surface would be over " + std::to_string(kMaxSurfacePixels) +
                      " pixels a side");
  scale_ = scale;
  sim_.resizeDrawingArea(widthTwips, heightTwips, scale);
}

void ScriptEngine::advance(std::int64_t ms) {
  advance(ms, {});
}

void ScriptEngine::advance(std::int64_t ms, const std::function<bool()>& stop) {
  clock_.advance(ms, [this, &stop] {
    afterEvent();
    return stopped() || (stop && stop());
  });
}

void ScriptEngine::fire(Control& timer, std::int64_t times) {
  for (std::int64_t i = 0; i < times && !stopped(); ++i) {
    timer.fire();
    afterEvent();
  }
}

void ScriptEngine::rewind(std::int64_t t) {
  if (sim_.inTick) throw ScriptError("rewind cannot run inside a tick");
  if (t > timeline_->position())
    throw ScriptError("rewind " + std::to_string(t) + " is beyond the current position " +
                      std::to_string(timeline_->position()));
  queue_.clear();
  tickReachedEvents_ = false;
  timeline_->goTo(t);
}

void ScriptEngine::queueDuring(int body, std::function<void()> command, std::int64_t lineNo) {
  queue_.push_back(Queued{body, std::move(command), lineNo});
}

void ScriptEngine::eventProcessing(int body) {
  tickReachedEvents_ = true;
  std::vector<Queued> now, later;
  for (Queued& q : queue_) (q.body == body ? now : later).push_back(std::move(q));
  queue_ = std::move(later);
  if (!now.empty()) ++sim_.outsideEdits;
  for (Queued& q : now) {
    if (stopped()) return;
    try {
      q.command();
    } catch (const ScriptError& e) {
      failure_ = ScriptFailure{q.line, e.what(), e.status};
    } catch (const Fault&) {
      // as at the top level: the simulation's fault, the tick goes on
    }
  }
}

// Called after every event the driver delivers: once a tick that reached its event processing
// is over, the `during` commands it did not reach are dropped.
void ScriptEngine::afterEvent() {
  if (sim_.inTick) return;
  if (tickReachedEvents_) {
    queue_.clear();
    tickReachedEvents_ = false;
  }
  tally_.takeStart();
  if (timeline_ && !sim_.inTick) timeline_->settle();
}

}  // namespace sw4
