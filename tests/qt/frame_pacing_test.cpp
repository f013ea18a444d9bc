// When a view's frames are painted, played against a clock of whole milliseconds on a 60 Hz
// display, with another timer waking the window between the ticks.
#include "qt/frame_pacing.h"

#include <gtest/gtest.h>

#include <vector>

namespace sw4 {
namespace {

constexpr double kDisplayMs = 1000.0 / 60;

// The wakes with ticks come at `wakes` (milliseconds, rising); the ticks' wakes each painted
// frame shows, and when the frame that showed the last of them came.
struct Played {
  std::vector<int> wakesAFrame;
  int lastFrameAt = -1;
};

Played play(bool following, const std::vector<int>& wakes) {
  FramePacer pacer;
  Played p;
  int unshown = 0, clockAt = -1;
  std::size_t next = 0;
  const auto step = [&](int t, bool ticked) {
    const FrameStep s = pacer.step(t, kDisplayMs, following, ticked, clockAt >= 0);
    if (s.wakeMs >= 0) clockAt = t + static_cast<int>(s.wakeMs + 0.999);
    if (!s.paint || unshown == 0) return;
    p.wakesAFrame.push_back(unshown);
    unshown = 0;
    p.lastFrameAt = t;
  };
  for (int t = 1; t <= wakes.back() + 200; ++t) {
    if (t == clockAt) {
      clockAt = -1;
      step(t, false);
    }
    if (next < wakes.size() && wakes[next] == t) {
      ++next;
      ++unshown;
      step(t, true);
    }
    if (t % 15 == 7) step(t, false);
  }
  return p;
}

// Every `gap` ms, up to 1 ms early or late.
std::vector<int> wakesEvery(double gap, int count) {
  std::vector<int> at;
  for (int i = 1; i <= count; ++i) at.push_back(static_cast<int>(i * gap) + (i * 7 % 3) - 1);
  return at;
}

TEST(FramePacing, FollowingEveryFrameShowsAsManyWakesAndTheLastStillShow) {
  // Ticks 15 ms apart (x1), 30 ms (x1/2), and wakes a display frame apart (above x1).
  for (const auto& [gap, perFrame] :
       {std::pair{15.0, 3}, std::pair{30.0, 1}, std::pair{kDisplayMs, 2}}) {
    const std::vector<int> wakes = wakesEvery(gap, 200);
    const Played p = play(true, wakes);
    ASSERT_GT(p.wakesAFrame.size(), 60u) << gap;
    // The first frames learn the wakes' pace; the last shows what is left.
    for (std::size_t i = 10; i + 1 < p.wakesAFrame.size(); ++i)
      EXPECT_EQ(p.wakesAFrame[i], perFrame) << "gap " << gap << ", frame " << i;
    EXPECT_GT(p.lastFrameAt, wakes.back() - 1);
    EXPECT_LE(p.lastFrameAt, wakes.back() + 4 * kDisplayMs + 1) << gap;
  }
}

TEST(FramePacing, AnotherViewShowsEveryTickWithinADisplayFrame) {
  const std::vector<int> wakes = wakesEvery(15, 200);
  const Played p = play(false, wakes);
  int shown = 0;
  for (int n : p.wakesAFrame) {
    EXPECT_LE(n, 2);
    shown += n;
  }
  EXPECT_EQ(shown, 200);
  EXPECT_LE(p.lastFrameAt, wakes.back() + kDisplayMs + 1);
}

}  // namespace
}  // namespace sw4
