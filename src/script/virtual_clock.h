#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "model/fs4.h"

namespace sw4 {

// Virtual time for the form's timers. A timer that is enabled with a positive interval is due
// one interval after it was enabled or its interval last changed, then every interval after.
// The clock watches the timers through their observer slot (the driver runs without a display
// binding, so the slot is free) and hands it back when it goes.
class VirtualClock {
 public:
  explicit VirtualClock(FormControls& form);
  ~VirtualClock();
  VirtualClock(const VirtualClock&) = delete;
  VirtualClock& operator=(const VirtualClock&) = delete;

  std::int64_t now() const { return now_; }

  // Time moves on `ms` milliseconds; every timer event due meanwhile happens in time order (ties
  // in the form's declaration order). After each event `stop()` is asked whether to stop there,
  // which leaves the clock at that event's time.
  void advance(std::int64_t ms, const std::function<bool()>& stop);

  // The time and every timer's schedule as numbers, and putting them back (a rewind).
  void save(std::vector<std::int64_t>& into) const;
  void restore(const std::int64_t* from);

  // When the timer is next due, or -1 while it does not run.
  std::int64_t dueTime(const Control& timer) const;

 private:
  struct Slot {
    Control* timer;
    bool running = false;
    std::int64_t due = 0;
    int observer = 0;
  };
  void reschedule(Slot& s);
  Slot* nextDue(std::int64_t until);

  std::vector<Slot> slots_;
  std::int64_t now_ = 0;
};

}  // namespace sw4
