// What the surface tells a view to repaint.
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <vector>

#include "program/program.h"
#include "sim_fixture.h"

namespace sw4 {
namespace {

constexpr int kTw = Surface::kTwipsPerLogicalPixel;

bool covered(const std::vector<PixelRect>& rects, int x, int y) {
  for (const PixelRect& r : rects)
    if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return true;
  return false;
}

TEST(SurfaceChanges, ClearingChangesEverythingOnce) {
  Surface s;
  s.resize(640 * kTw, 480 * kTw);
  std::vector<PixelRect> changes;
  s.takeChanges(changes, 8);
  EXPECT_EQ(changes, (std::vector<PixelRect>{{0, 0, 640, 480}}));
  s.takeChanges(changes, 8);
  EXPECT_TRUE(changes.empty());
  s.setPixel(10 * kTw, 10 * kTw, rgb(255, 0, 0));
  s.clear();
  s.takeChanges(changes, 8);
  EXPECT_EQ(changes, (std::vector<PixelRect>{{0, 0, 640, 480}}));
}

TEST(SurfaceChanges, ADotChangesOneTile) {
  Surface s;
  s.resize(640 * kTw, 480 * kTw);
  std::vector<PixelRect> changes;
  s.takeChanges(changes, 8);
  s.setPixel(637 * kTw, 101 * kTw, rgb(255, 0, 0));
  s.takeChanges(changes, 8);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_TRUE(covered(changes, 637, 101));
  EXPECT_LE(changes[0].width * changes[0].height, Surface::kTilePixels * Surface::kTilePixels);
}

// Every pixel a tick of the default load draws, through the gravity pass's own pen too, lies in
// the rectangles: small ones, or merged down to the number asked for.
TEST(SurfaceChanges, ATicksDotsAreCoveredByFewRectangles) {
  Program sim;
  testing::withoutStarPanel(sim);
  sim.form.Command2.userClick();  // "Go": 202 bodies
  std::vector<PixelRect> changes;
  for (const int most : {10000, 20}) {
    sim.surface.takeChanges(changes, most);
    const std::vector<std::uint32_t> before(
        sim.surface.data(),
        sim.surface.data() + sim.surface.widthPixels() * sim.surface.heightPixels());
    tick(sim);
    sim.surface.takeChanges(changes, most);
    EXPECT_LE(static_cast<int>(changes.size()), most);
    long area = 0;
    for (const PixelRect& r : changes) area += static_cast<long>(r.width) * r.height;
    if (most == 10000) {
      EXPECT_LT(area, before.size() / 20);
    }
    int drawn = 0;
    for (int y = 0; y < sim.surface.heightPixels(); ++y) {
      for (int x = 0; x < sim.surface.widthPixels(); ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * sim.surface.widthPixels() + x;
        if (sim.surface.data()[i] == before[i]) continue;
        ++drawn;
        EXPECT_TRUE(covered(changes, x, y)) << x << ", " << y;
      }
    }
    EXPECT_GT(drawn, 100);
  }
}

}  // namespace
}  // namespace sw4
