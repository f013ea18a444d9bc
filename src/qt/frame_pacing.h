#pragma once
// When the window paints a view other than the classic one: at most once a display frame, and
// while following a body, which moves the whole picture, every other one. Following, a frame
// waits for the end of a tick, so that every frame shows as many ticks and the body moves
// evenly: frames on a clock of their own, 33 ms apart over ticks 15 ms apart, would show two
// ticks, then three. The clock then only paints what the last ticks left when no more come.

namespace sw4 {

struct FrameStep {
  bool paint = false;
  double wakeMs = -1;  // start the frame clock to wake this much later; below 0, leave it
};

// `sinceMs` since the last paint, `displayMs` a display frame, `following` a body (and the
// picture only moves), `ticked` a tick ended since the last step, `clockOn` the frame clock
// is running.
inline FrameStep nextFrameStep(double sinceMs, double displayMs, bool following, bool ticked,
                               bool clockOn) {
  const double frameMs = following ? 2 * displayMs : displayMs;
  if (sinceMs >= frameMs) return {true, -1};
  if (!following) return {false, clockOn ? -1 : frameMs - sinceMs};
  return {false, ticked || !clockOn ? 2 * frameMs : -1};
}

}  // namespace sw4
