#include "sessions/session_runner.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <streambuf>

#include "model/sim.h"
#include "program/program.h"
#include "recording/world_hash.h"
#include "script/line_cursor.h"
#include "script/script_engine.h"
#include "script/script_numbers.h"
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
      engine_(std::make_unique<ScriptEngine>(*sim_, *out_)),
      seen_(1) {
  // The runner owns the Program and the engine: no listener outlives them.
  sim_->tickDone.add([this] { ++ticks_; });
  sim_->newRunDone.add([this] {
    seen_.assign(1, Seen{});
    past_.clear();
  });
  engine_->timeline().reached.add([this](std::int64_t p) { reached(p); });
}

const std::int64_t& SessionRunner::position() const {
  return engine_->timeline().position();
}

// Every position the settle moved over shows the state it leaves.
void SessionRunner::reached(std::int64_t position) {
  const auto p = static_cast<std::size_t>(position);
  if (compareTo_ >= 0) {
    if (position > compareTo_ || p >= seen_.size() || !seen_[p].known) return;
    const std::uint64_t h = worldHash(*sim_);
    if (!mismatch_ && seen_[p].hash != h)
      mismatch_ = "position " + std::to_string(position) + " came back with WorldHash " +
                  formatHash(h) + ", first seen " + formatHash(seen_[p].hash);
    return;
  }
  if (seen_.size() > p) seen_.resize(p);
  const bool note =
      noting_ &&
      static_cast<long>(sim_->surface.widthPixels()) * sim_->surface.heightPixels() <= kNotedPixels;
  seen_.resize(p + 1, note ? Seen{worldHash(*sim_), true} : Seen{});
  editsAtReached_ = sim_->outsideEdits;
  clockAtReached_.clear();
  engine_->clock().save(clockAtReached_);
}

void SessionRunner::ended(const std::string& line) {
  const std::int64_t p = position();
  clockNow_.clear();
  engine_->clock().save(clockNow_);
  const bool own = p > 0 && engine_->queuedDuring() == 0 && sim_->outsideEdits == editsAtReached_ &&
                   clockNow_ == clockAtReached_ && engine_->timeline().logSince(p).empty();
  past_.push_back(Past{line, own ? p : -1});
}

std::optional<std::string> SessionRunner::rewind(std::int64_t t) {
  const std::int64_t from = position();
  std::size_t after = past_.size();
  while (after > 0 && (past_[after - 1].at < 0 || past_[after - 1].at > std::min(t, from))) --after;
  if (after == 0 || past_[after - 1].at < from - SessionGenerator::kRewindReach)
    return std::nullopt;
  t = past_[after - 1].at;
  const std::uint64_t end = worldHash(*sim_);
  engine_->runLine("rewind " + std::to_string(t), lineNo_);
  const std::uint64_t back = worldHash(*sim_);
  const Seen seen = seen_[static_cast<std::size_t>(t)];
  if (seen.known && seen.hash != back)
    return "rewind: position " + std::to_string(t) + " restored with WorldHash " +
           formatHash(back) + ", first seen " + formatHash(seen.hash);
  compareTo_ = t + kComparedTicks;
  mismatch_.reset();
  struct Noting {
    std::int64_t& compareTo;
    ~Noting() { compareTo = -1; }
  } noting{compareTo_};
  for (std::size_t k = after; k < past_.size() && !mismatch_; ++k)
    engine_->runLine(past_[k].line, 0);
  if (mismatch_) return "rewind: after a rewind to " + std::to_string(t) + ", " + *mismatch_;
  if (position() != from || worldHash(*sim_) != end)
    return "rewind: the lines again from position " + std::to_string(t) + " ended at " +
           std::to_string(position()) + " with WorldHash " + formatHash(worldHash(*sim_)) +
           ", not " + std::to_string(from) + " with " + formatHash(end);
  return std::nullopt;
}

SessionRunner::~SessionRunner() = default;

bool SessionRunner::over() const {
  return sim_->ended;
}

std::optional<std::string> SessionRunner::step(const std::string& line) {
  ++lineNo_;
  noteSets(invariants_, line);
  try {
    LineCursor c(line);
    if (c.word() == "rewind") {
      // A position beyond the current one (lines before it cut away) goes to the current one.
      const std::string_view t = c.word();
      if (c.atEnd()) {
        constexpr std::int64_t kAny = std::numeric_limits<std::int64_t>::max();
        if (auto broken = rewind(parseInteger(t, 0, kAny, "rewind position"))) return broken;
        return invariants_.check(*sim_);
      }
    }
    engine_->runLine(line, lineNo_);
    ended(line);
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
  if (std::any_of(lines.begin(), lines.end(),
                  [](const std::string& l) { return LineCursor(l).word() == "rewind"; }))
    runner.noteEveryPosition();
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
  SessionGenerator gen(seed, actions, runner.sim(), &runner.position());
  if (gen.rewinds()) runner.noteEveryPosition();
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
