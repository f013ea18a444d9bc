#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"

namespace sw4 {

class Sim;

// Records a running program as a driver script that replays it: `size W H` first and at every
// resize (`scale R` too when the surface has R device pixels a logical pixel), every event that
// reaches the model from outside (a user's action, a timer event from the host) as its command,
// runs of one timer folded into `fire TIMER N`, `new` when New has put the program back to its
// start-up state, and an event delivered in the tick's event
// processing after body B as `during B ...`, written before the `fire` of its tick as the driver
// wants it. Events that handlers raise are left out: the replay raises them by itself.
//
// finish() ends the file with `expect TickCount=...` and `expect WorldHash=...` of the current
// state. When "X" ends the program the expectations go just before its click, the last moment
// the driver still runs; the recording stops there.
//
// Lines gather in memory and go to `write` in large pieces. When a write fails the recording
// stops; the caller's `write` says why, once.
class Recorder {
 public:
  using Write = std::function<bool(std::string_view)>;

  Recorder(Sim& sim, Write write);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // Writes what is held and the expectations. Call it outside a tick.
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
  void put(std::string_view line);
  void drain();
  void stop();

  Sim& sim_;
  Write write_;
  std::string buffer_;
  Held held_;
  double writtenScale_ = 1.0;  // the driver starts at one device pixel a logical pixel
  bool recording_ = true;
  bool finishPending_ = false;
  int outside_ = 0, resized_ = 0, endProgram_ = 0, tickDone_ = 0, newRunDone_ = 0;
};

}  // namespace sw4
