#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "model/sim.h"
#include "recording/run_tally.h"
#include "script/item.h"
#include "script/output_place.h"
#include "script/script_error.h"
#include "script/virtual_clock.h"
#include "timeline/timeline.h"
#include "view/world_view.h"

namespace sw4 {

// Runs driver scripts against one Sim: one command per line, virtual time for the timers, and
// the `during` commands at the tick's event processing. Output goes to `out`.
//
// A `during B COMMAND` line queues COMMAND for the next tick that reaches its event processing:
// it runs right after body B's inner loop there. Whatever that tick does not reach (B above
// TotalPlanets, or a tick that ends early) is dropped when the tick ends. A `during` inside
// `during` is a script error.
//
// Once the program has ended ("X"), the rest of the script is not run.
//
// The session is kept on a timeline: `rewind T` goes back to position T (the clock's time and
// schedules included); the `during` commands queued when it runs are dropped with the future.
//
// A script whose first line is a recording header (recording_format.h) is a recording: its
// header picks the `WorldHash` version, and it must reach its closing line or the end of the
// program. One that ends before (cut off by a crash, a kill or a full disk) fails with exit
// status 4 once every line it has has run, naming the checkpoints that held; a last line
// without its line end is not run. An empty input is such a cut too.
class ScriptEngine {
 public:
  ScriptEngine(Sim& sim, std::ostream& out, Timeline::Settings history = {});
  ~ScriptEngine();
  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  // Runs the whole script (read as ScriptLines reads it); the failure when a script error
  // stopped it. After a script error inside a tick, or once the program has ended, the engine
  // runs nothing more.
  std::optional<ScriptFailure> run(std::istream& in);
  // Runs one line as line `lineNo`; ScriptError on a mistake in it.
  void runLine(std::string_view line, std::int64_t lineNo);

  // What the commands work with.
  Sim& sim() { return sim_; }
  // An item by name (resolveItem), Merges, BodiesLost and TimelineTick counted by the engine.
  Item item(std::string_view token) const;
  std::ostream& out() { return out_; }
  VirtualClock& clock() { return clock_; }
  Timeline& timeline() { return *timeline_; }
  // Back to position T of the session; ScriptError for a position beyond the current one.
  void rewind(std::int64_t t);
  // Where `png` may write; below the current folder, replacing no file, unless set.
  OutputPlace& output() { return output_; }
  void setOutput(OutputPlace place) { output_ = std::move(place); }
  // How `shot` and clips show the world (view/world_view.h); classic until a `view` line.
  WorldView& view() { return view_; }
  // The drawing area becomes W x H twips at `scale` device pixels a logical pixel; ScriptError
  // when the surface would be over kMaxSurfacePixels a side.
  void resize(int widthTwips, int heightTwips, double scale);
  double scale() const { return scale_; }
  static constexpr int kMaxSurfacePixels = 8192;  // keeps the surface within 256 MiB
  void advance(std::int64_t ms);
  // The same, and after each timer event `stop` may end it there.
  void advance(std::int64_t ms, const std::function<bool()>& stop);
  void fire(Control& timer, std::int64_t times);
  void queueDuring(int body, std::function<void()> command, std::int64_t lineNo);
  std::size_t queuedDuring() const { return queue_.size(); }
  // A script error is waiting to be reported, or the program has ended.
  bool stopped() const { return failure_.has_value() || sim_.ended; }
  // The WorldHash version the script's items compute: the recording header's, else 1.
  int hashVersion() const { return hashVersion_; }
  // An `expect WorldHash=...` held.
  void checkpointHeld();

 private:
  struct Queued {
    int body;
    std::function<void()> command;
    std::int64_t line;
  };
  void eventProcessing(int body);
  void afterEvent();
  void readHeader(std::string_view line);
  ScriptFailure cutShort(std::int64_t lastLine, bool cutLine) const;

  Sim& sim_;
  std::ostream& out_;
  VirtualClock clock_;
  OutputPlace output_;
  int processEvents_ = 0;
  double scale_ = 1.0;
  std::vector<Queued> queue_;
  bool tickReachedEvents_ = false;
  std::optional<ScriptFailure> failure_;  // from a `during` command
  int hashVersion_ = 1;                   // what a script without a header was recorded with
  bool recording_ = false;
  bool closed_ = false;  // the recording's closing line was reached
  long checkpoints_ = 0;
  std::int32_t lastCheckpointTick_ = 0;
  RunTally tally_;
  WorldView view_;
  std::unique_ptr<Timeline> timeline_;  // last: it watches the state the members above keep
};

}  // namespace sw4
