#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hook.h"
#include "timeline/position_index.h"

namespace sw4 {

class Recorder;
class Sim;

// The session kept as it runs, so that any moment of it can be gone back to exactly: the log of
// every outside event as the recorder writes it (from the start-up or the last New, always
// kept), and snapshots of the whole state now and then. goTo(T) puts back the latest snapshot
// taken at or before position T and replays the log from there up to T.
//
// Snapshots are spaced by what they cost: the next one waits until the host has worked (run
// ticks) `workPerSnapshot` times as long as the last one took, so they cost the run about
// 1/workPerSnapshot of its time and a replay from one to the next takes about as long.
//
// Position T is the state right after the T-th tick since the start-up or the last New;
// position 0 the state just before the first tick. The host calls settle() after every event
// it delivers, outside a tick: that is where positions and snapshots are taken. A change of
// state the log cannot replay (a test hook writing the world, bumping Sim::outsideEdits) gets
// a snapshot of its own at once. What the host itself keeps of the run (a clock's due times)
// it hands over as a few numbers at every position and gets back on goTo().
class Timeline {
 public:
  struct Host {
    // Runs one line of the log as the driver would (the replay).
    std::function<void(std::string_view line)> replay;
    // The host's own state at this moment, and putting it back (a fixed count of numbers).
    std::function<void(std::vector<std::int64_t>& into)> saveHost;
    std::function<void(const std::int64_t* from)> restoreHost;
  };
  struct Settings {
    std::size_t memoryBytes = std::size_t{256} << 20;
    double workPerSnapshot = 40;
    std::int64_t snapshotEvery = 0;  // ticks; a fixed spacing instead of the cost's when positive
  };

  Timeline(Sim& sim, Host host, Settings settings);
  Timeline(Sim& sim, Host host) : Timeline(sim, std::move(host), Settings{}) {}
  ~Timeline();
  Timeline(const Timeline&) = delete;
  Timeline& operator=(const Timeline&) = delete;

  void settle();
  const std::int64_t& position() const { return position_; }
  // Back to position T of the current branch; what came after T is dropped. False (nothing
  // changes) for a position not in 0..position(). Call it outside a tick.
  bool goTo(std::int64_t t);
  bool replaying() const { return replaying_; }
  // After a settle that reached new positions, with the latest: the state is that position's.
  // Silent while goTo() replays.
  Hook<void(std::int64_t)> reached;
  // The log's lines from position T (in 0..position()) up to now: what goTo(T) followed by
  // running them again, one by one, would redo. Valid until the log next grows.
  std::string_view logSince(std::int64_t t);
  // The current branch as a recording that replays it: header, log, closing check.
  std::string session();
  // What the history holds: log, positions and snapshots.
  std::size_t memoryBytes() const;
  std::size_t snapshotCount() const { return snapshots_.size(); }
  // The processor time taking snapshots has cost the host so far (thinning included).
  double snapshotSeconds() const { return snapshotSeconds_; }

 private:
  struct Snapshot {
    std::int64_t position;
    std::uint64_t seq;   // the settle it was taken at
    std::size_t offset;  // log bytes it covers
    bool key;
    bool pinned;                     // the log cannot stand in for it: never thinned
    std::string state;               // compressed saveSimState()
    std::string surface;             // compressed, SurfaceHistory
    std::vector<std::int64_t> host;  // the host's own state then
    std::size_t bytes() const {
      return sizeof(Snapshot) + state.size() + surface.size() + host.size() * 8;
    }
  };

  void startSession();
  void startRecorder();
  void newRunDone();
  void takeSnapshot(bool pinned);
  void restore(std::size_t index);
  void thin();
  void markPosition(std::size_t position);

  Sim& sim_;
  Host host_;
  Settings settings_;
  std::unique_ptr<Recorder> recorder_;
  std::unique_ptr<class SurfaceHistory> surfaces_;
  std::unique_ptr<class Compressor> compressor_;
  std::string log_;
  bool discard_ = false;  // what the recorder writes goes nowhere
  PositionIndex positions_;
  std::size_t hostWidth_ = 0;
  std::vector<std::int64_t> scratch_;
  std::vector<Snapshot> snapshots_;  // by seq
  std::size_t snapshotBytes_ = 0;
  std::int64_t position_ = 0;
  std::uint64_t seq_ = 0;
  unsigned long ticksSeen_ = 0, editsSeen_ = 0;
  bool replaying_ = false;
  bool fresh_ = true;        // no snapshot since the start-up or New
  double workSince_ = 0;     // the host's processor time since the latest snapshot
  double snapshotCost_ = 0;  // what the latest one took
  double snapshotSeconds_ = 0;
  double leftAt_ = 0;  // when the timeline last handed back to the host
  int newRunDone_ = 0;
};

}  // namespace sw4
