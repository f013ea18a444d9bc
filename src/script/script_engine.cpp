#include "script/script_engine.h"

#include <istream>
#include <string>

#include "platform/fault.h"
#include "script/command_parser.h"
#include "script/items.h"
#include "script/line_cursor.h"

namespace sw4 {

ScriptEngine::ScriptEngine(Sim& sim, std::ostream& out)
    : sim_(sim), out_(out), clock_(sim.form), tally_(sim) {
  processEvents_ = sim_.processEvents.add([this](int body) { eventProcessing(body); });
}

ScriptEngine::~ScriptEngine() {
  sim_.processEvents.remove(processEvents_);
}

std::optional<ScriptFailure> ScriptEngine::run(std::istream& in) {
  std::string line;
  int lineNo = 0;
  while (!stopped() && std::getline(in, line)) {
    ++lineNo;
    try {
      runLine(line, lineNo);
    } catch (const ScriptError& e) {
      return ScriptFailure{lineNo, e.what(), e.status};
    }
  }
  return failure_;
}

void ScriptEngine::runLine(std::string_view line, int lineNo) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
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
  if (auto counted = tally_.item(token)) return *counted;
  return resolveItem(sim_, token);
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
  clock_.advance(ms, [this] {
    afterEvent();
    return stopped();
  });
}

void ScriptEngine::fire(Control& timer, std::int64_t times) {
  for (std::int64_t i = 0; i < times && !stopped(); ++i) {
    timer.fire();
    afterEvent();
  }
}

void ScriptEngine::queueDuring(int body, std::function<void()> command, int lineNo) {
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
}

}  // namespace sw4
