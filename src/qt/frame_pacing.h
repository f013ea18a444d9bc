#pragma once
// When the window paints a view other than the classic one: at most once a display frame, and
// while following a body, which moves the whole picture, about every other one. Following, a
// frame waits for the end of a tick and shows as many of the window's wakes with ticks as the
// one before, so the body moves evenly: frames on a clock of their own, 33 ms apart over ticks
// 15 ms apart, would show two ticks, then three. The clock then only paints what the last
// ticks left when no more come.
#include <algorithm>
#include <cmath>

namespace sw4 {

struct FrameStep {
  bool paint = false;
  double wakeMs = -1;  // start the frame clock to wake this much later; below 0, leave it
};

class FramePacer {
 public:
  // The window is awake at `nowMs` (a steady clock); `displayMs` is a display frame;
  // `following` a body (and the picture only moves); `ticked`: a tick ended since the last step
  // (other timers wake the window too); `clockOn`: the frame clock is running.
  FrameStep step(double nowMs, double displayMs, bool following, bool ticked, bool clockOn) {
    if (ticked) tickWake(nowMs, displayMs);
    const double since = nowMs - paintedAt_;
    if (!following) {
      if (since >= displayMs) return painted(nowMs);
      return {false, clockOn ? -1 : displayMs - since};
    }
    const double frameMs = 2 * displayMs, lateMs = 2 * frameMs;
    // The fewest wakes that take a frame, less a sixth of a wake (so ticks 30 ms apart are a
    // frame each), counted rather than timed: a wake a display frame apart (above x1) comes a
    // little early or late, and a frame would then show two, then three.
    const int wakes =
        gapMs_ > 0 ? std::max(1, static_cast<int>(std::ceil(frameMs / gapMs_ - 1.0 / 6))) : 1;
    if (ticked ? wakes_ >= wakes : since >= lateMs) return painted(nowMs);
    return {false, ticked || !clockOn ? lateMs : -1};
  }

 private:
  void tickWake(double nowMs, double displayMs) {
    if (lastWakeMs_ >= 0) {
      const double gap = std::min(nowMs - lastWakeMs_, 4 * displayMs);  // a pause stays a pause
      gapMs_ = gapMs_ > 0 ? gapMs_ + (gap - gapMs_) / 8 : gap;
    }
    lastWakeMs_ = nowMs;
    ++wakes_;
  }
  FrameStep painted(double nowMs) {
    paintedAt_ = nowMs;
    wakes_ = 0;
    return {true, -1};
  }

  double paintedAt_ = -1e300;
  double lastWakeMs_ = -1;
  double gapMs_ = 0;  // between wakes with ticks, averaged
  int wakes_ = 0;     // with ticks, since the last paint
};

}  // namespace sw4
