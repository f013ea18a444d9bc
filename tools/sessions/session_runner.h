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

 private:
  std::unique_ptr<Program> sim_;
  std::unique_ptr<std::ostream> out_;  // prints go nowhere
  std::unique_ptr<ScriptEngine> engine_;
  Invariants invariants_;
  int lineNo_ = 0;
  long ticks_ = 0;
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
