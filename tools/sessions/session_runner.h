#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "program/program.h"
#include "sessions/invariants.h"

namespace sw4 {
class Sim;
class ScriptEngine;
}  // namespace sw4

namespace sw4::robust {

// One program driven line by line through the script engine, in this process, with the
// invariants checked after every line. A line the engine rejects, or an exception other than the
// simulation's own faults, counts as a broken rule too ("script" and "exception").
//
// A `rewind T` line goes back to the latest position at or before T (and the current one) where
// a line of the session ended right after its tick, and checks the restored WorldHash against
// the one the run showed there first; then it runs the lines that followed that one again,
// comparing the WorldHash at each of the first kComparedTicks positions on the way, and at the
// end with the state before the rewind (the session goes on from there): a difference breaks
// the rule "rewind". With no such line since the start-up or the last New, or none within
// SessionGenerator::kRewindReach positions, it does nothing. What the run showed is noted at
// every position once noteEveryPosition() was called (a WorldHash costs more than a tick: only
// sessions that rewind pay for it), on a drawing of at most kNotedPixels.
class SessionRunner {
 public:
  SessionRunner();
  ~SessionRunner();
  SessionRunner(const SessionRunner&) = delete;
  SessionRunner& operator=(const SessionRunner&) = delete;

  // Runs the next line; what broke after it, if anything.
  std::optional<std::string> step(const std::string& line);
  // "X" ended the program: the rest of a session is not run.
  bool over() const;
  // Ticks run to their end so far.
  long ticks() const { return ticks_; }
  const Sim& sim() const { return *sim_; }
  Sim& sim() { return *sim_; }
  // The timeline's position (what a rewind may go back from).
  const std::int64_t& position() const;
  void noteEveryPosition() { noting_ = true; }
  static constexpr std::int64_t kComparedTicks = 32;
  static constexpr long kNotedPixels = 2048 * 2048;

 private:
  std::optional<std::string> rewind(std::int64_t t);
  void reached(std::int64_t position);
  void ended(const std::string& line);

  std::unique_ptr<Program> sim_;
  std::unique_ptr<std::ostream> out_;  // prints go nowhere
  std::unique_ptr<ScriptEngine> engine_;
  Invariants invariants_;
  int lineNo_ = 0;
  long ticks_ = 0;
  struct Seen {
    std::uint64_t hash = 0;
    bool known = false;  // position 0 follows the events before the first tick: not noted
  };
  std::vector<Seen> seen_;  // by position
  bool noting_ = false;
  // The lines since the start-up or the last New, each with the position it ended at when that
  // is the position's own state (nothing happened after the tick, nothing waits for the next),
  // else -1.
  struct Past {
    std::string line;
    std::int64_t at;
  };
  std::vector<Past> past_;
  unsigned long editsAtReached_ = 0;
  // The virtual time and the timers' schedules.
  std::vector<std::int64_t> clockAtReached_, clockNow_;
  // While a rewind runs lines again: positions up to `compareTo` are compared, not noted.
  std::int64_t compareTo_ = -1;
  std::optional<std::string> mismatch_;
};

struct Outcome {
  long actions = 0;                   // lines run
  long ticks = 0;                     // ticks run to their end
  std::optional<std::string> broken;  // the first broken rule, after line `actions`
};

// Runs the lines one after another, stopping at the first broken rule or the end of the program.
// `progress` hears the number of lines started so far, before each one runs.
Outcome runLines(const std::vector<std::string>& lines,
                 const std::function<void(long)>& progress = {});

// Generates and runs the session of a seed. `record` hears each line before it runs (so a line
// that never returns is known); `progress` as above.
Outcome runSession(std::uint64_t seed, int actions,
                   const std::function<void(const std::string&)>& record = {},
                   const std::function<void(long)>& progress = {});

}  // namespace sw4::robust
