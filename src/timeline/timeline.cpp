#include "timeline/timeline.h"

#include <algorithm>

#include "model/sim.h"
#include "recording/recorder.h"
#include "timeline/compression.h"
#include "timeline/sim_state.h"
#include "timeline/surface_history.h"
#include "timeline/work_clock.h"

namespace sw4 {

Timeline::Timeline(Sim& sim, Host host, Settings settings)
    : sim_(sim),
      host_(std::move(host)),
      settings_(settings),
      surfaces_(std::make_unique<SurfaceHistory>()),
      compressor_(std::make_unique<Compressor>()) {
  if (settings_.snapshotEvery < 0) settings_.snapshotEvery = 0;
  newRunDone_ = sim_.newRunDone.add([this] { newRunDone(); });
  startSession();
  settle();
}

Timeline::~Timeline() {
  sim_.newRunDone.remove(newRunDone_);
}

void Timeline::startRecorder() {
  discard_ = true;
  recorder_.reset();
  recorder_ = std::make_unique<Recorder>(sim_, [this](std::string_view text) {
    if (!discard_) log_.append(text);
    return true;
  });
  discard_ = false;
}

// The log starts with the recording's header and the drawing area's size.
void Timeline::startSession() {
  log_.clear();
  recorder_.reset();
  recorder_ = std::make_unique<Recorder>(sim_, [this](std::string_view text) {
    if (!discard_) log_.append(text);
    return true;
  });
  positions_.clear(hostWidth_);
  scratch_.assign(hostWidth_, 0);
  positions_.push({log_.size(), seq_}, scratch_.data());
  snapshots_.clear();
  snapshotBytes_ = 0;
  surfaces_->forget();
  position_ = 0;
  ticksSeen_ = sim_.ticksRun;
  fresh_ = true;
}

// The recorder has written `new` (it listens first): the session starts again from there.
void Timeline::newRunDone() {
  if (replaying_) return;
  startSession();
  log_.append("new\n");
  positions_.clear(hostWidth_);
  positions_.push({log_.size(), seq_}, scratch_.data());
}

// Position `position` is the latest, reached now (position 0 again and again until the first tick).
void Timeline::markPosition(std::size_t position) {
  scratch_.clear();
  if (host_.saveHost) {
    host_.saveHost(scratch_);
    if (hostWidth_ == 0) hostWidth_ = scratch_.size();
  }
  scratch_.resize(hostWidth_);
  if (position == 0) positions_.clear(hostWidth_);
  positions_.push({log_.size(), seq_}, scratch_.data());
}

void Timeline::settle() {
  if (replaying_ || !recorder_ || sim_.inTick) return;
  const double now = threadSeconds();
  workSince_ += now - leftAt_;
  recorder_->pulse(0);  // every line so far into the log, never a checkpoint
  ++seq_;
  const unsigned long ran = sim_.ticksRun - ticksSeen_;
  ticksSeen_ = sim_.ticksRun;
  const bool edited = sim_.outsideEdits != editsSeen_;
  editsSeen_ = sim_.outsideEdits;
  if (ran == 0 && position_ == 0) {
    // Position 0 is the state just before the first tick: it follows the events until then.
    markPosition(0);
  }
  for (unsigned long k = 0; k < ran; ++k) {
    ++position_;
    markPosition(static_cast<std::size_t>(position_));
  }
  const bool due = settings_.snapshotEvery > 0
                       ? position_ % settings_.snapshotEvery == 0
                       : workSince_ >= settings_.workPerSnapshot * snapshotCost_;
  if (fresh_ || edited || (ran > 0 && due)) {
    takeSnapshot(fresh_ || edited);
    fresh_ = false;
    thin();
    leftAt_ = threadSeconds();
    snapshotCost_ = leftAt_ - now;
    snapshotSeconds_ += snapshotCost_;
    workSince_ = 0;
  } else {
    leftAt_ = threadSeconds();
  }
  if (ran > 0 && !reached.empty()) {
    reached(position_);
    leftAt_ = threadSeconds();
  }
}

void Timeline::takeSnapshot(bool pinned) {
  // The latest snapshot is of no use when no position lies between it and this one (edits
  // before the first tick, or one after another between two ticks): this one replaces it.
  if (!snapshots_.empty()) {
    const Snapshot& last = snapshots_.back();
    const std::uint64_t markSeq = positions_.at(static_cast<std::size_t>(position_)).seq;
    const bool needed = markSeq >= last.seq && markSeq < seq_;
    if (last.seq == seq_) return;
    if (!needed && last.position == position_) {
      if (last.key) surfaces_->forget();
      snapshotBytes_ -= last.bytes();
      snapshots_.pop_back();
    }
  }
  Snapshot s{position_, seq_, log_.size(), false, pinned, compressor_->compress(saveSimState(sim_)),
             {},        {}};
  s.surface = surfaces_->take(sim_.surface, s.key);
  if (host_.saveHost) host_.saveHost(s.host);
  snapshotBytes_ += s.bytes();
  snapshots_.push_back(std::move(s));
}

void Timeline::restore(std::size_t index) {
  const Snapshot& s = snapshots_[index];
  restoreSimState(sim_, decompress(s.state));
  std::size_t key = index;
  while (!snapshots_[key].key) --key;
  SurfaceHistory::restore(sim_.surface, snapshots_[key].surface, s.key ? nullptr : &s.surface);
  if (host_.restoreHost && !s.host.empty()) host_.restoreHost(s.host.data());
  surfaces_->forget();
}

bool Timeline::goTo(std::int64_t t) {
  if (t < 0 || t > position_ || sim_.inTick || replaying_ || !recorder_) return false;
  recorder_->pulse(0);
  const PositionIndex::Entry target = positions_.at(static_cast<std::size_t>(t));
  const auto after = std::upper_bound(snapshots_.begin(), snapshots_.end(), target.seq,
                                      [](std::uint64_t q, const Snapshot& s) { return q < s.seq; });
  if (after == snapshots_.begin()) return false;
  const std::size_t index = static_cast<std::size_t>(after - snapshots_.begin()) - 1;

  recorder_.reset();  // the replay is no new event
  replaying_ = true;
  restore(index);
  const double replayStart = threadSeconds();
  const std::size_t from = snapshots_[index].offset;
  for (std::size_t at = from; at < target.offset;) {
    std::size_t end = log_.find('\n', at);
    if (end == std::string::npos || end > target.offset) end = target.offset;
    try {
      host_.replay(std::string_view(log_).substr(at, end - at));
    } catch (...) {
      // A line the recorder wrote replays; should one not, the run goes on as it can.
    }
    at = end + 1;
  }
  replaying_ = false;
  // The replay redid the work since that snapshot, which stays the latest.
  workSince_ = threadSeconds() - replayStart;

  log_.resize(target.offset);
  positions_.truncate(static_cast<std::size_t>(t) + 1);
  if (host_.restoreHost && hostWidth_ > 0) {
    scratch_.resize(hostWidth_);
    positions_.at(static_cast<std::size_t>(t), scratch_.data());
    host_.restoreHost(scratch_.data());
  }
  while (!snapshots_.empty() && snapshots_.back().seq > target.seq) {
    snapshotBytes_ -= snapshots_.back().bytes();
    snapshots_.pop_back();
  }
  position_ = t;
  seq_ = target.seq;
  ticksSeen_ = sim_.ticksRun;
  editsSeen_ = sim_.outsideEdits;
  startRecorder();
  leftAt_ = threadSeconds();
  return true;
}

// Over the budget: every other snapshot of the older half goes, those the others depend on and
// those the log cannot stand in for (pinned) excepted; the log always stays.
void Timeline::thin() {
  while (memoryBytes() > settings_.memoryBytes) {
    const std::size_t n = snapshots_.size();
    if (n < 3) return;
    const std::size_t half = n / 2;
    std::vector<bool> drop(n, false);
    bool any = false;
    for (int pass = 0; pass < 2 && !any; ++pass) {
      bool alternate = true;
      for (std::size_t i = 1; i <= half; ++i) {
        const Snapshot& s = snapshots_[i];
        if (s.pinned) continue;
        // First the snapshots no other depends on, then the keys whose tiles no one uses.
        const bool candidate = pass == 0 ? !s.key : s.key && snapshots_[i + 1].key;
        if (!candidate) continue;
        if (alternate) drop[i] = any = true;
        alternate = !alternate;
      }
    }
    if (!any) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if (drop[i]) {
        snapshotBytes_ -= snapshots_[i].bytes();
      } else {
        if (kept != i) snapshots_[kept] = std::move(snapshots_[i]);
        ++kept;
      }
    }
    snapshots_.resize(kept);
  }
}

std::size_t Timeline::memoryBytes() const {
  return log_.size() + positions_.bytes() + snapshotBytes_;
}

std::string_view Timeline::logSince(std::int64_t t) {
  if (t < 0 || t > position_) return {};
  if (recorder_ && !replaying_) recorder_->pulse(0);
  return std::string_view(log_).substr(positions_.at(static_cast<std::size_t>(t)).offset);
}

std::string Timeline::session() {
  if (recorder_) recorder_->pulse(0);
  std::string out = log_;
  bool discard = true;
  Recorder closing(sim_, [&](std::string_view text) {
    if (!discard) out.append(text);
    return true;
  });
  discard = false;
  closing.finish();
  return out;
}

}  // namespace sw4
