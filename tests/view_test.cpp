// The view of the world: never part of the world, exact when classic, and its marks stay where
// they were drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "drawing/body_dot.h"
#include "program/program.h"
#include "recording/world_hash.h"
#include "sim_fixture.h"
#include "view/world_view.h"

namespace sw4 {
namespace {

void start(Program& sim, int bodies) {
  testing::withoutStarPanel(sim);
  sim.form.TXn.setText(std::to_string(bodies));
  sim.form.Command2.userClick();
}

std::vector<std::uint32_t> surfacePixels(const Surface& s) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < s.heightPixels(); ++y)
    out.insert(out.end(), s.data() + static_cast<std::size_t>(y) * s.stride(),
               s.data() + static_cast<std::size_t>(y) * s.stride() + s.widthPixels());
  return out;
}

TEST(WorldView, LeavesTheWorldAsItIsAndIsTheSurfaceWhenClassic) {
  Program watched, plain;
  start(watched, 120);
  start(plain, 120);
  WorldView view(watched);
  const int w = watched.surface.widthPixels(), h = watched.surface.heightPixels();
  for (int t = 0; t < 60; ++t) {
    if (t == 10) view.setView(0.25, 3000, 9000);
    if (t == 30) view.follow(7, 8);
    if (t == 45) view.fit();
    if (t % 5 == 0) view.render(w, h);
    tick(watched);
    tick(plain);
  }
  EXPECT_EQ(worldHash(watched), worldHash(plain));
  view.setView(1, watched.widthTwips() / 2.0, watched.heightTwips() / 2.0);
  EXPECT_TRUE(view.classic());
  EXPECT_EQ(view.render(w, h), surfacePixels(watched.surface));
}

TEST(WorldView, FollowKeepsTheBodyInTheMiddle) {
  Program sim;
  start(sim, 40);
  WorldView view(sim);
  const World& world = sim.world;
  const int b = 10;
  view.follow(b, 4);
  const int w = sim.surface.widthPixels(), h = sim.surface.heightPixels();
  const std::uint32_t back = Surface::toWord(sim.surface.background());
  for (int t = 0; t < 20; ++t) {
    tick(sim);
    ASSERT_EQ(world.PlanetOff[b], 0);
    ASSERT_NEAR(view.screenX(world.PlanetX[b], w), w / 2.0, 1.0);
    ASSERT_NEAR(view.screenY(world.PlanetY[b], h), h / 2.0, 1.0);
  }
  // The body's own dots, drawn this tick, at the middle of the picture.
  const auto picture = view.render(w, h);
  bool drawn = false;
  for (int y = h / 2 - 2; y <= h / 2 + 2; ++y)
    for (int x = w / 2 - 2; x <= w / 2 + 2; ++x)
      drawn = drawn || picture[static_cast<std::size_t>(y) * w + x] != back;
  EXPECT_TRUE(drawn);
}

TEST(WorldView, AMarkStaysInTheWorldAsTheViewMovesUntilTheNextClear) {
  Program sim;
  WorldView view(sim);
  const int w = 200, h = 100;
  view.setView(2, 3000, 3000);
  plotDot(sim.surface, 3150, 3075, 0, 0, rgb(255, 0, 0));
  const auto at = [&] {
    const auto p = view.render(w, h);
    for (int i = 0; i < w * h; ++i)
      if (p[i] == Surface::toWord(rgb(255, 0, 0))) return std::pair{i % w, i / w};
    return std::pair{-1, -1};
  };
  const auto before = at();
  EXPECT_NEAR(before.first, view.screenX(3150, w), 1);
  EXPECT_NEAR(before.second, view.screenY(3075, h), 1);
  view.panBy(10, 5);
  EXPECT_EQ(at(), std::pair(before.first + 10, before.second + 5));
  // A mark of zoom 2, the last one told just before the zoom changes too, shows four times as
  // large: two of them 4 x 4 pixels each.
  plotDot(sim.surface, 3300, 3075, 0, 0, rgb(255, 0, 0));
  view.setView(8, 3150, 3075);
  EXPECT_NEAR(at().first, w / 2 - 2, 2);
  const auto picture = view.render(w, h);
  EXPECT_EQ(std::count(picture.begin(), picture.end(), Surface::toWord(rgb(255, 0, 0))), 32);
  sim.surface.clear();
  EXPECT_EQ(at(), std::pair(-1, -1));
}

TEST(WorldView, TheChangedSquaresPutOverThePictureBeforeGiveThePictureNow) {
  Program sim;
  start(sim, 60);
  WorldView view(sim);
  // Bodies leave the drawing area and still show.
  view.setView(0.5, sim.widthTwips() / 2.0, sim.heightTwips() / 2.0);
  const int w = sim.surface.widthPixels(), h = sim.surface.heightPixels();
  const int side = WorldView::kChangedSide;
  const auto none = [](std::int64_t, std::int64_t, const std::uint32_t*) {};
  EXPECT_FALSE(view.takeChanged(w, h, none));  // a new view is new everywhere
  auto picture = view.render(w, h);
  for (int t = 0; t < 30; ++t) {
    tick(sim);
    ASSERT_TRUE(
        view.takeChanged(w, h, [&](std::int64_t x0, std::int64_t y0, const std::uint32_t* px) {
          for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i)
              if (px[j * side + i] && x0 + i >= 0 && y0 + j >= 0 && x0 + i < w && y0 + j < h)
                picture[static_cast<std::size_t>((y0 + j) * w + x0 + i)] = px[j * side + i];
        }));
    ASSERT_EQ(picture, view.render(w, h)) << "tick " << t;
  }
  sim.surface.clear();
  EXPECT_FALSE(view.takeChanged(w, h, none));
}

TEST(TileLayer, BothCoordinatesAtOnceLandWhereEachDoes) {
  const int places[] = {-INT32_MAX, -100001, -16, -15, -1, 0, 1, 14, 15, 29999, INT32_MAX};
  for (double zoom : {1.0 / 16, 0.5, 1.0, 1.5625, 64.0})
    for (double pixelsPerTwip : {1.0 / 15, 2.0 / 15}) {
      const TileLayer layer(zoom, pixelsPerTwip, 1);
      for (int x : places)
        for (int dx : {-300, -1, 0, 7}) {
          std::int64_t X, Y;
          layer.pixelsOf(x, -x, dx, -dx, X, Y);
          ASSERT_EQ(X, layer.pixelX(x, dx)) << zoom << " " << x << " " << dx;
          ASSERT_EQ(Y, layer.pixelX(-x, -dx)) << zoom << " " << x << " " << dx;
        }
    }
}

}  // namespace
}  // namespace sw4
