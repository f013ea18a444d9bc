// When a view's frames are painted, played on a clock of whole milliseconds on a 60 Hz display,
// with another timer waking the window between the ticks.
#include "qt/frame_pacing.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace sw4 {
namespace {

constexpr double kDisplayMs = 1000.0 / 60;

// Wakes with ticks every `gap` ms, up to 1 ms early or late, 200 of them; returns the wakes
// each painted frame shows, and sets `lastFrameAt` to when the frame with the last one came.
std::vector<int> play(bool following, double gap, int& lastFrameAt, int& lastWake) {
  FramePacer pacer;
  std::vector<int> wakesAFrame;
  int unshown = 0, clockAt = -1, wakes = 0;
  const auto step = [&](int t, bool ticked) {
    const FrameStep s = pacer.step(t, kDisplayMs, following, ticked, clockAt >= 0);
    if (s.wakeMs >= 0) clockAt = t + static_cast<int>(s.wakeMs + 0.999);
    if (!s.paint || unshown == 0) return;
    wakesAFrame.push_back(std::exchange(unshown, 0));
    lastFrameAt = t;
  };
  for (int t = 1, next = 0; t < next + 200; ++t) {
    if (t == clockAt) step(std::exchange(clockAt, -1), false);
    next = static_cast<int>((wakes + 1) * gap) + ((wakes + 1) * 7 % 3) - 1;
    if (t == next && wakes < 200) {
      ++wakes, ++unshown, lastWake = t;
      step(t, true);
    }
    if (t % 15 == 7) step(t, false);
  }
  return wakesAFrame;
}

TEST(FramePacing, FollowingEveryFrameShowsAsManyWakesAndTheLastStillShow) {
  // Ticks 15 ms apart (x1), 30 ms (x1/2), and wakes a display frame apart (above x1).
  for (const auto& [gap, perFrame] :
       {std::pair{15.0, 3}, std::pair{30.0, 1}, std::pair{kDisplayMs, 2}}) {
    int lastFrameAt = -1, lastWake = 0;
    const std::vector<int> frames = play(true, gap, lastFrameAt, lastWake);
    ASSERT_GT(frames.size(), 60u) << gap;
    // The first frames learn the wakes' pace; the last shows what is left.
    for (std::size_t i = 10; i + 1 < frames.size(); ++i)
      EXPECT_EQ(frames[i], perFrame) << "gap " << gap << ", frame " << i;
    EXPECT_GE(lastFrameAt, lastWake);
    EXPECT_LE(lastFrameAt, lastWake + 4 * kDisplayMs + 1) << gap;
  }
}

TEST(FramePacing, AnotherViewShowsEveryTickWithinADisplayFrame) {
  int lastFrameAt = -1, lastWake = 0, shown = 0;
  for (int n : play(false, 15, lastFrameAt, lastWake)) {
    EXPECT_LE(n, 2);
    shown += n;
  }
  EXPECT_EQ(shown, 200);
  EXPECT_LE(lastFrameAt, lastWake + kDisplayMs + 1);
}

}  // namespace
}  // namespace sw4
