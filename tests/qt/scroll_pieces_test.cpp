#include "qt/scroll_pieces.h"

#include <gtest/gtest.h>

namespace sw4 {
namespace {

// A drawing round columns of controls, as the window has it: the pieces cover it exactly, once,
// and are far fewer than the region's own bands.
TEST(ScrollPieces, CoverTheRegionOnceInFewPieces) {
  QRegion region(0, 0, 1024, 752);
  for (int y = 100; y < 630; y += 90) region -= QRect(2, y, 160, 84);    // frames on the left
  for (int y = 100; y < 430; y += 60) region -= QRect(866, y, 156, 54);  // and on the right
  region -= QRect(802, 586, 60, 166);
  const std::vector<QRect> pieces = scrollPieces(region);
  QRegion covered;
  for (const QRect& r : pieces) {
    EXPECT_FALSE(covered.intersects(r)) << "overlap at " << r.x() << ", " << r.y();
    covered += r;
  }
  EXPECT_EQ(covered, region);
  EXPECT_LT(pieces.size() * 2, static_cast<std::size_t>(region.rectCount()));
  EXPECT_EQ(pieces.front(), QRect(162, 0, 640, 752));  // the largest first: the middle, whole
}

TEST(ScrollPieces, NothingForAnEmptyRegion) {
  EXPECT_TRUE(scrollPieces(QRegion()).empty());
}

// Hundreds of edges a side: the region's own bands, at once.
TEST(ScrollPieces, AFineRegionIsItsOwnBands) {
  QRegion region(0, 0, 600, 600);
  for (int y = 0; y < 600; y += 10)
    for (int x = (y / 10) % 2 * 5; x < 600; x += 10) region -= QRect(x, y, 5, 5);
  EXPECT_EQ(scrollPieces(region), std::vector<QRect>(region.begin(), region.end()));
}

}  // namespace
}  // namespace sw4
