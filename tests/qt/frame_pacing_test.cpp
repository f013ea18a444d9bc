// When a view's frames are painted, played against a clock of whole milliseconds: ticks every
// 15 ms on a 60 Hz display.
#include "qt/frame_pacing.h"

#include <gtest/gtest.h>

#include <vector>

namespace sw4 {
namespace {

constexpr double kDisplayMs = 1000.0 / 60;

// Ticks at 0, 15, ... until `lastTick`, then none; the ticks each painted frame shows, and when
// the frame after the last tick came.
struct Played {
  std::vector<int> ticksAFrame;
  int lastFrameAt = -1;
};

Played play(bool following, int lastTick) {
  Played p;
  int lastPaint = 0, ticksSince = 0, clockAt = -1;
  const auto step = [&](int t, bool ticked) {
    const FrameStep s = nextFrameStep(t - lastPaint, kDisplayMs, following, ticked, clockAt >= 0);
    if (s.wakeMs >= 0) clockAt = t + static_cast<int>(s.wakeMs + 0.999);
    if (!s.paint) return;
    p.ticksAFrame.push_back(ticksSince);
    ticksSince = 0;
    lastPaint = p.lastFrameAt = t;
  };
  for (int t = 1; t <= lastTick + 200; ++t) {
    if (t == clockAt) {
      clockAt = -1;
      step(t, false);
    }
    if (t % 15 == 0 && t <= lastTick) {
      ++ticksSince;
      step(t, true);
    }
  }
  return p;
}

TEST(FramePacing, FollowingEveryFrameShowsAsManyTicksAndTheLastTicksStillShow) {
  const Played p = play(true, 3000);
  ASSERT_EQ(p.ticksAFrame.size(), 67u);
  for (std::size_t i = 0; i + 1 < p.ticksAFrame.size(); ++i)
    EXPECT_EQ(p.ticksAFrame[i], 3) << "frame " << i;
  // 200 ticks: the last two come after the last full frame, and the clock paints them.
  EXPECT_EQ(p.ticksAFrame.back(), 2);
  EXPECT_GT(p.lastFrameAt, 3000);
  EXPECT_LE(p.lastFrameAt, 3000 + 4 * kDisplayMs + 1);
}

TEST(FramePacing, AnotherViewShowsEveryTickWithinADisplayFrame) {
  const Played p = play(false, 3000);
  int shown = 0;
  for (int n : p.ticksAFrame) {
    EXPECT_LE(n, 2);
    shown += n;
  }
  EXPECT_EQ(shown, 200);
  EXPECT_LE(p.lastFrameAt, 3000 + kDisplayMs + 1);
}

}  // namespace
}  // namespace sw4
