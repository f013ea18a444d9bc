#include "qt/scroll_pieces.h"

#include <algorithm>
#include <cstdint>

namespace sw4 {

namespace {

// The work of one piece, in cells visited, that a region may ask for.
constexpr std::int64_t kMostCells = std::int64_t{1} << 18;

int indexOf(const std::vector<int>& edges, int v) {
  return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), v) - edges.begin());
}

}  // namespace

// On the grid of the region's own edges: the largest rectangle of cells still inside is taken
// again and again until none is left. A window's region has a few dozen edges a side.
std::vector<QRect> scrollPieces(const QRegion& region) {
  std::vector<int> xs, ys;
  for (const QRect& r : region) {
    xs.insert(xs.end(), {r.left(), r.right() + 1});
    ys.insert(ys.end(), {r.top(), r.bottom() + 1});
  }
  for (std::vector<int>* edges : {&xs, &ys}) {
    std::sort(edges->begin(), edges->end());
    edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
  }
  if (xs.size() < 2 || ys.size() < 2) return {};
  const int nx = static_cast<int>(xs.size()) - 1, ny = static_cast<int>(ys.size()) - 1;
  // A region of many more edges is scrolled in its own bands: more painting, never a stall.
  const std::vector<QRect> bands(region.begin(), region.end());
  if (std::int64_t{nx} * nx * ny > kMostCells) return bands;
  std::vector<char> inside(static_cast<std::size_t>(nx) * ny, 0);
  const auto cell = [&](int i, int j) -> char& {
    return inside[static_cast<std::size_t>(j) * nx + i];
  };
  for (const QRect& r : region)
    for (int j = indexOf(ys, r.top()); j < indexOf(ys, r.bottom() + 1); ++j)
      for (int i = indexOf(xs, r.left()); i < indexOf(xs, r.right() + 1); ++i) cell(i, j) = 1;

  std::vector<QRect> pieces;
  std::vector<char> rowInside(ny);
  for (;;) {
    std::int64_t best = 0;
    int left = 0, right = 0, top = 0, bottom = 0;  // in cells, right and bottom past the end
    for (int i0 = 0; i0 < nx; ++i0) {
      std::fill(rowInside.begin(), rowInside.end(), 1);  // columns i0..i1 all inside on row j
      for (int i1 = i0; i1 < nx; ++i1) {
        const std::int64_t width = xs[i1 + 1] - xs[i0];
        bool any = false;
        for (int j = 0, run = -1; j <= ny; ++j) {
          const bool in = j < ny && (rowInside[j] = rowInside[j] && cell(i1, j));
          if (in) {
            any = true;
            if (run < 0) run = j;
          } else if (run >= 0) {
            if (const std::int64_t area = width * (ys[j] - ys[run]); area > best)
              best = area, left = i0, right = i1 + 1, top = run, bottom = j;
            run = -1;
          }
        }
        if (!any) break;
      }
    }
    if (best == 0) return pieces;
    if (pieces.size() == bands.size()) return bands;
    pieces.emplace_back(QPoint(xs[left], ys[top]), QPoint(xs[right] - 1, ys[bottom] - 1));
    for (int j = top; j < bottom; ++j)
      for (int i = left; i < right; ++i) cell(i, j) = 0;
  }
}

}  // namespace sw4
