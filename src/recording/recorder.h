#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace sw4 {

class Sim;

// Records a running program as a driver script that replays it: a header naming the format
// (recording_format.h), `size W H` first and at every resize (`scale R` too when the surface has R
// device pixels a logical pixel), every event that reaches the model from outside (a user's
// action, a timer event from the host) as its command, runs of one timer folded into
// `fire TIMER N`, `new` when New has put the program back to its start-up state, and an event
// delivered in the tick's event processing after body B as `during B ...`, written before the
// `fire` of its tick as the driver wants it. Events that handlers raise are left out: the replay
// raises them by itself.
//
// finish() ends the file with `expect TickCount=...` and `expect WorldHash=...` of the current
// state and the closing line. When "X" ends the program the expectations go just before its
// click, the last moment the driver still runs; the recording stops there.
//
// The host calls pulse() about twice a second: what is held goes out and the file gets every
// whole line so far, so that a recording cut off by a crash is a valid script up to where it was
// cut. Every kCheckpointMs of the recording's own time (the host's clock) a checkpoint, the same
// two `expect` lines, goes in at the first moment outside a tick. When a write fails the
// recording stops; the caller's `write` says why, once.
class Recorder {
 public:
  using Write = std::function<bool(std::string_view)>;

  // `stopped` runs once the recording has stopped: finished, or cut short by a failed write.
  Recorder(Sim& sim, Write write, std::function<void()> stopped = {});
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  static constexpr std::int64_t kCheckpointMs = 10000;

  // `nowMs`: milliseconds since the recording started.
  void pulse(std::int64_t nowMs);
  // Writes what is held, the expectations and the closing line. Call it outside a tick.
  void finish();
  // finish() now, or at the end of the running tick (or, for a tick cut short, before the next
  // outside event).
  void finishAfterTick();
  // Neither finished nor stopped by a failed write.
  bool recording() const { return recording_; }

 private:
  // The latest outside event, held until the next one so that the `during` lines of its tick
  // can go before it; a timer's events fold into one run.
  struct Held {
    std::string line;
    const Control* timer = nullptr;
    long count = 0;
    std::vector<std::string> durings;
  };

  void outsideEvent(const Control& c, Event e);
  void resized();
  void programEnds();
  bool owns(const Control& c) const;
  bool holding() const { return held_.timer || !held_.line.empty(); }
  // "during B " while the tick's event processing delivers this event, else empty.
  std::string duringPrefix() const;
  void add(std::string line);
  void sizeLines(std::vector<std::string>& into);
  void flushHeld();
  std::vector<std::string> expectations() const;
  void checkpoint();
  void put(std::string_view line);
  void drain();
  void stop();

  Sim& sim_;
  Write write_;
  std::function<void()> stopped_;
  std::string buffer_;
  Held held_;
  double writtenScale_ = 1.0;  // the driver starts at one device pixel a logical pixel
  bool recording_ = true;
  bool finishPending_ = false;
  bool checkpointDue_ = false;
  std::int64_t nextCheckpointMs_ = kCheckpointMs;
  int outside_ = 0, resized_ = 0, endProgram_ = 0, tickDone_ = 0, newRunDone_ = 0;
};

}  // namespace sw4
