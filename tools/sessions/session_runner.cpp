#include "sessions/session_runner.h"

#include <exception>
#include <streambuf>

#include "model/sim.h"
#include "program/program.h"
#include "script/line_cursor.h"
#include "script/script_engine.h"
#include "sessions/session_generator.h"

namespace sw4::robust {

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

class NullStream : public std::ostream {
 public:
  NullStream() : std::ostream(&buffer_) {}

 private:
  NullBuffer buffer_;
};

// The item and value of a `set` line, or of a `set` queued by `during`.
void noteSets(Invariants& inv, std::string_view line) {
  LineCursor c(line);
  std::string_view w = c.word();
  if (w == "during") {
    c.word();
    w = c.word();
  }
  if (w != "set") return;
  const std::string_view item = c.word();
  inv.noteSet(item, c.word());
}

}  // namespace

SessionRunner::SessionRunner()
    : sim_(std::make_unique<Program>()),
      out_(std::make_unique<NullStream>()),
      engine_(std::make_unique<ScriptEngine>(*sim_, *out_)) {
  sim_->tickDone.add([this] { ++ticks_; });  // the runner owns the Program
}

SessionRunner::~SessionRunner() = default;

bool SessionRunner::over() const {
  return sim_->ended;
}

std::optional<std::string> SessionRunner::step(const std::string& line) {
  ++lineNo_;
  noteSets(invariants_, line);
  try {
    engine_->runLine(line, lineNo_);
  } catch (const ScriptError& e) {
    return "script: line " + std::to_string(lineNo_) + ": " + e.what();
  } catch (const std::exception& e) {
    return std::string("exception: ") + e.what();
  }
  if (engine_->stopped() && !sim_->ended) return std::string("script: a queued command failed");
  return invariants_.check(*sim_);
}

Outcome runLines(const std::vector<std::string>& lines, const std::function<void(long)>& progress) {
  SessionRunner runner;
  Outcome o;
  for (const std::string& line : lines) {
    if (runner.over()) break;
    if (progress) progress(o.actions);
    ++o.actions;
    if ((o.broken = runner.step(line))) break;
  }
  o.ticks = runner.ticks();
  return o;
}

Outcome runSession(std::uint64_t seed, int actions,
                   const std::function<void(const std::string&)>& record,
                   const std::function<void(long)>& progress) {
  SessionRunner runner;
  SessionGenerator gen(seed, actions, runner.sim());
  Outcome o;
  for (std::string line = gen.next(); gen.produced() > o.actions; line = gen.next()) {
    if (runner.over()) break;
    if (record) record(line);
    if (progress) progress(o.actions);
    ++o.actions;
    if ((o.broken = runner.step(line))) break;
  }
  o.ticks = runner.ticks();
  return o;
}

}  // namespace sw4::robust
