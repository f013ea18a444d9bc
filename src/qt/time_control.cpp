#include "qt/time_control.h"

#include <algorithm>
#include <cmath>

#include "model/fs4.h"
#include "model/sim.h"
#include "platform/control.h"
#include "program/program_controls.h"
#include "script/script_engine.h"

namespace sw4 {

namespace {

constexpr double kFactors[TimeControl::kSpeeds] = {0.125, 0.25, 0.5, 1, 2, 4, 8, 16, 0};
constexpr const char* kNames[TimeControl::kSpeeds] = {"x1/8", "x1/4", "x1/2", "x1", "x2",
                                                       "x4",   "x8",   "x16",  "fastest"};
constexpr qint64 kMs = 1000000;
// What one wake may run before the event loop and the picture get their turn.
constexpr qint64 kBatchNs = 14 * kMs;
// Above x1 a wake comes at most once a display frame.
constexpr qint64 kFrameNs = 16 * kMs;
// How far the model may lag behind its due time before it gives up catching up, as Qt's own
// timers drop the periods they missed (in wall time).
constexpr qint64 kLagNs = 4 * kMs;

}  // namespace

double TimeControl::speedFactor(int index) {
  return kFactors[std::clamp(index, 0, kSpeeds - 1)];
}

QString TimeControl::speedName(int index) {
  return QString::fromLatin1(kNames[std::clamp(index, 0, kSpeeds - 1)]);
}

TimeControl::TimeControl(Sim& sim, std::function<void()> afterBatch)
    : sim_(sim),
      afterBatch_(std::move(afterBatch)),
      engine_(std::make_unique<ScriptEngine>(sim, discard_)),
      tickTimer_(ProgramControls(sim).tickTimer()) {
  waker_.setSingleShot(true);
  waker_.setTimerType(Qt::PreciseTimer);
  connect(&waker_, &QTimer::timeout, this, [this] { wake(); });
  wall_.start();
  for (Control& c : sim_.form.all()) {
    if (c.kind() != Kind::Timer) continue;
    observed_.push_back(&c);
    observers_.push_back(c.addObserver([this](Control&, Prop p) {
      if ((p == Prop::Enabled || p == Prop::Interval) && !busy_) schedule();
    }));
  }
  outside_ = outsideEvents().add([this](Control&, Event e) {
    if (e != Event::Timer && !replaying_ && inPast()) branched();
  });
  newRun_ = sim_.newRunDone.add([this] {
    if (replaying_) return;
    pending_.clear();
    pendingAt_ = 0;
    repeat_ = 0;
    end_ = 0;
  });
  rebase();
  schedule();
}

TimeControl::~TimeControl() {
  waker_.stop();
  for (std::size_t i = 0; i < observed_.size(); ++i) observed_[i]->removeObserver(observers_[i]);
  outsideEvents().remove(outside_);
  sim_.newRunDone.remove(newRun_);
}

std::int64_t TimeControl::position() const {
  return engine_->timeline().position();
}

std::int64_t TimeControl::end() const {
  return inPast() ? std::max(end_, position()) : position();
}

std::int64_t TimeControl::now() const {
  return inPast() ? pastNow_ : engine_->clock().now();
}

void TimeControl::rebase() {
  baseWall_ = wall_.nsecsElapsed();
  baseModel_ = now();
}

std::int64_t TimeControl::target(qint64 wallNs) const {
  const double f = speedFactor(speed_);
  return baseModel_ + static_cast<std::int64_t>(std::floor((wallNs - baseWall_) * f / kMs));
}

std::int64_t TimeControl::nextDue() const {
  std::int64_t next = -1;
  for (const Control* c : observed_) {
    const std::int64_t due = engine_->clock().dueTime(*c);
    if (due >= 0 && (next < 0 || due < next)) next = due;
  }
  return next;
}

std::int64_t TimeControl::allowedLag() const {
  const double f = speedFactor(speed_);
  const qint64 ns = f > 1 ? kLagNs + kFrameNs : kLagNs;
  return static_cast<std::int64_t>(ns * f / kMs) + 1;
}

std::int64_t TimeControl::tickInterval() const {
  return std::max(1, tickTimer_.interval());
}

void TimeControl::setSpeed(int index) {
  speed_ = std::clamp(index, 0, kSpeeds - 1);
  rebase();
  schedule();
  notify();
}

void TimeControl::setHeld(bool held) {
  held_ = held;
  rebase();
  schedule();
  notify();
}

void TimeControl::schedule() {
  if (held_ || sim_.ended || busy_) {
    waker_.stop();
    return;
  }
  const double f = speedFactor(speed_);
  std::int64_t next;
  if (inPast()) {
    next = pastNow_ + tickInterval();
  } else {
    next = nextDue();
    if (next < 0) {
      waker_.stop();
      return;
    }
  }
  const qint64 nowNs = wall_.nsecsElapsed();
  qint64 delayNs = 0;
  if (f > 0) delayNs = static_cast<qint64>((next - baseModel_) * kMs / f) - (nowNs - baseWall_);
  if (f > 1) delayNs = std::max(delayNs, lastWake_ + kFrameNs - nowNs);
  const int ms = delayNs <= 0 ? 0 : static_cast<int>((delayNs + kMs - 1) / kMs);
  waker_.start(ms);
}

void TimeControl::wake() {
  if (held_ || sim_.ended || busy_) return;
  if (sim_.inTick) {  // a dialog's own loop inside a tick
    waker_.start(1);
    return;
  }
  const qint64 start = wall_.nsecsElapsed();
  lastWake_ = start;
  busy_ = true;
  if (inPast()) {
    runPast(start + kBatchNs);
  } else {
    runLive(start + kBatchNs);
  }
  busy_ = false;
  if (afterBatch_) afterBatch_();
  schedule();
  notify();
}

void TimeControl::runLive(qint64 budgetEnd) {
  const qint64 nowNs = wall_.nsecsElapsed();
  const double f = speedFactor(speed_);
  const std::int64_t next = nextDue();
  if (next < 0) return;
  std::int64_t until;
  if (f == 0) {
    until = next + 60000;  // as far as the budget lets it
  } else {
    until = target(nowNs);
    // Late by more than a wake's spacing: what was missed is dropped, not caught up in a burst.
    if (until > next + allowedLag()) {
      baseWall_ = nowNs;
      baseModel_ = next;
      until = next;
    }
  }
  const OutsideEventScope outside;
  engine_->advance(until - engine_->clock().now(),
                   [&] { return held_ || wall_.nsecsElapsed() > budgetEnd; });
  if (f == 0) rebase();
}

void TimeControl::runPast(qint64 budgetEnd) {
  const double f = speedFactor(speed_);
  const qint64 nowNs = wall_.nsecsElapsed();
  std::int64_t until = f == 0 ? pastNow_ + 60000 : target(nowNs);
  if (f > 0 && until > pastNow_ + tickInterval() + allowedLag()) {
    baseWall_ = nowNs;
    baseModel_ = pastNow_ + tickInterval();
    until = baseModel_;
  }
  while (inPast() && !held_ && !sim_.ended && pastNow_ + tickInterval() <= until &&
         wall_.nsecsElapsed() <= budgetEnd) {
    pastNow_ += tickInterval();
    playTick();
  }
  if (f == 0) rebase();
}

bool TimeControl::nextPendingLine(std::string& line) {
  if (repeat_ > 0) {
    --repeat_;
    line = repeatLine_;
    return true;
  }
  if (pendingAt_ >= pending_.size()) return false;
  std::size_t eol = pending_.find('\n', pendingAt_);
  if (eol == std::string::npos) eol = pending_.size();
  line.assign(pending_, pendingAt_, eol - pendingAt_);
  pendingAt_ = eol + 1;
  // A timer's run `fire NAME N` goes one event at a time, so a tick is a step.
  if (line.starts_with("fire ")) {
    const std::size_t space = line.find(' ', 5);
    if (space != std::string::npos) {
      const long n = std::atol(line.c_str() + space + 1);
      line.resize(space);
      if (n > 1) {
        repeatLine_ = line;
        repeat_ = n - 1;
      }
    }
  }
  return true;
}

void TimeControl::playTick() {
  const unsigned long before = sim_.ticksRun;
  std::string line;
  replaying_ = true;
  const OutsideEventScope outside;
  while (sim_.ticksRun == before && !sim_.ended && nextPendingLine(line)) {
    try {
      engine_->runLine(line, 0);
    } catch (...) {
      // A line the timeline wrote runs; should one not, the run goes on live from here.
      pending_.clear();
      pendingAt_ = 0;
      repeat_ = 0;
    }
  }
  replaying_ = false;
  if (!inPast()) goLive(true);
}

void TimeControl::goLive(bool atTheEnd) {
  pending_.clear();
  pendingAt_ = 0;
  repeat_ = 0;
  if (atTheEnd && !liveClock_.empty()) engine_->clock().restore(liveClock_.data());
  liveClock_.clear();
  rebase();
}

void TimeControl::branched() {
  goLive(false);
  end_ = position();
  if (!busy_) schedule();
  notify();
}

void TimeControl::step() {
  if (sim_.inTick || busy_ || sim_.ended) return;
  busy_ = true;
  if (inPast()) {
    pastNow_ += tickInterval();
    playTick();
  } else {
    const std::int64_t due = engine_->clock().dueTime(tickTimer_);
    if (due >= 0) {
      const unsigned long before = sim_.ticksRun;
      const OutsideEventScope outside;
      engine_->advance(due - engine_->clock().now(), [&] { return sim_.ticksRun != before; });
    }
  }
  busy_ = false;
  rebase();
  if (afterBatch_) afterBatch_();
  schedule();
  notify();
}

bool TimeControl::goTo(std::int64_t t) {
  const std::int64_t here = position();
  if (sim_.inTick || busy_ || t < 0 || t > end()) return false;
  if (t == here) return true;
  busy_ = true;
  if (t > here) {
    while (inPast() && position() < t && !sim_.ended) playTick();
    pastNow_ = engine_->clock().now();
  } else {
    if (!inPast()) {
      liveClock_.clear();
      engine_->clock().save(liveClock_);
      end_ = here;
    }
    std::string future(engine_->timeline().logAfter(t));
    if (repeat_ > 0) future += repeatLine_ + ' ' + std::to_string(repeat_ + 0) + '\n';
    future.append(pending_, std::min(pendingAt_, pending_.size()));
    pending_ = std::move(future);
    pendingAt_ = 0;
    repeat_ = 0;
    replaying_ = true;
    const auto go = [this, t] { engine_->rewind(t); };
    if (aroundRewind) {
      aroundRewind(t, go);
    } else {
      go();
    }
    replaying_ = false;
    pastNow_ = engine_->clock().now();
    if (!inPast()) goLive(true);
  }
  busy_ = false;
  rebase();
  if (afterBatch_) afterBatch_();
  schedule();
  notify();
  return true;
}

std::string TimeControl::session() {
  return engine_->timeline().session();
}

void TimeControl::fire(Control& timer) {
  busy_ = true;
  {
    const OutsideEventScope outside;
    engine_->fire(timer, 1);
  }
  busy_ = false;
  if (afterBatch_) afterBatch_();
  schedule();
}

bool TimeControl::scheduled(const Control& timer) const {
  return engine_->clock().dueTime(timer) >= 0;
}

void TimeControl::notify() {
  if (changed) changed();
}

}  // namespace sw4
