#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sw4 {

namespace {

// The first set cell of row[from, cols), or cols: eight cells at a time, as most are clear.
int nextSet(const std::uint8_t* row, int from, int cols) {
  int c = from;
  for (; c + 8 <= cols; c += 8) {
    std::uint64_t word;
    std::memcpy(&word, row + c, 8);
    if (word != 0) break;
  }
  while (c < cols && !row[c]) ++c;
  return c;
}

}  // namespace

void Surface::runsOf(const std::vector<std::uint8_t>& grid, int cols, int rows, int tileWidth,
                     int tileHeight, std::vector<PixelRect>& out) {
  out.clear();
  above_.clear();
  for (int r = 0; r < rows; ++r) {
    here_.clear();
    std::size_t k = 0;
    const std::uint8_t* row = grid.data() + static_cast<std::size_t>(r) * cols;
    for (int c = nextSet(row, 0, cols); c < cols; c = nextSet(row, c + 1, cols)) {
      const int first = c;
      while (c + 1 < cols && row[c + 1]) ++c;
      const int x = first * tileWidth, y = r * tileHeight;
      const PixelRect run{x, y, std::min((c + 1) * tileWidth, width_) - x,
                          std::min(y + tileHeight, height_) - y};
      // Joined to the run above when both span the same columns.
      while (k < above_.size() && out[above_[k]].x < run.x) ++k;
      if (k < above_.size() && out[above_[k]].x == run.x && out[above_[k]].width == run.width) {
        out[above_[k]].height += run.height;
        here_.push_back(above_[k]);
      } else {
        out.push_back(run);
        here_.push_back(out.size() - 1);
      }
    }
    above_.swap(here_);
  }
}

int Surface::maxTwips(double devicePixelRatio) {
  if (!(devicePixelRatio > 0)) devicePixelRatio = 1.0;
  return static_cast<int>(std::min(kMaxSide * kTwipsPerLogicalPixel / devicePixelRatio, 1e9));
}

void Surface::resize(int widthTwips, int heightTwips, double devicePixelRatio) {
  if (!(devicePixelRatio > 0)) devicePixelRatio = 1.0;
  widthTwips = std::min(widthTwips, maxTwips(devicePixelRatio));
  heightTwips = std::min(heightTwips, maxTwips(devicePixelRatio));
  const bool newRatio = devicePixelRatio != dpr_;
  dpr_ = devicePixelRatio;
  pixelsPerTwip_ = dpr_ / kTwipsPerLogicalPixel;
  unitScale_ = dpr_ == 1.0;
  const int w = std::clamp(static_cast<int>(std::ceil(widthTwips * pixelsPerTwip_)), 0, kMaxSide);
  const int h = std::clamp(static_cast<int>(std::ceil(heightTwips * pixelsPerTwip_)), 0, kMaxSide);
  ++generation_;
  allChanged_ = true;
  historyAllChanged_ = true;
  const std::uint32_t back = toWord(background_);
  // A failed allocation leaves a valid empty surface behind the exception.
  const auto empty = [this] {
    pixels_ = {};
    tiles_ = {};
    historyTiles_ = {};
    width_ = height_ = stride_ = rows_ = tilesWide_ = tilesHigh_ = 0;
  };
  if (newRatio && marks_) marks_->restarted(true);
  try {
    if (newRatio) {
      empty();  // the old pixels go first
      pixels_.assign(static_cast<std::size_t>(w) * h, back);
      stride_ = w;
      rows_ = h;
    } else if (w > stride_ || h > rows_) {
      const int stride = std::max(stride_, w);
      const int rows = std::max(rows_, h);
      std::vector<std::uint32_t> grown(static_cast<std::size_t>(stride) * rows, back);
      for (int y = 0; y < rows_; ++y)
        std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * stride_, stride_,
                    grown.begin() + static_cast<std::ptrdiff_t>(y) * stride);
      pixels_ = std::move(grown);
      stride_ = stride;
      rows_ = rows;
    }
    width_ = w;
    height_ = h;
    tilesWide_ = (width_ + kTilePixels - 1) / kTilePixels;
    tilesHigh_ = (height_ + kTilePixels - 1) / kTilePixels;
    tiles_.assign(static_cast<std::size_t>(tilesWide_) * tilesHigh_, 0);
    historyTiles_.assign(tiles_.size(), 0);
  } catch (...) {
    empty();
    throw;
  }
}

void Surface::clear() {
  std::fill(pixels_.begin(), pixels_.end(), toWord(background_));
  allChanged_ = true;
  historyAllChanged_ = true;
  ++generation_;
  if (marks_) marks_->restarted(true);
}

void Surface::setBackground(Color c) {
  background_ = c;
  clear();
}

Color Surface::pixel(int xTwips, int yTwips) const {
  if (xTwips < 0 || yTwips < 0) return background_;
  const int px = toPixel(xTwips);
  const int py = toPixel(yTwips);
  if (px >= width_ || py >= height_) return background_;
  return fromWord(pixels_[static_cast<std::size_t>(py) * stride_ + px]);
}

long Surface::dotCount() const {
  const std::uint32_t bg = toWord(background_);
  long n = 0;
  for (int y = 0; y < height_; ++y) {
    const auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * stride_;
    n += std::count_if(row, row + width_, [bg](std::uint32_t w) { return w != bg; });
  }
  return n;
}

void Surface::adopt(const Layout& l) {
  width_ = std::clamp(l.width, 0, kMaxSide);
  height_ = std::clamp(l.height, 0, kMaxSide);
  stride_ = std::max(std::clamp(l.stride, 0, kMaxSide), width_);
  rows_ = std::max(std::clamp(l.rows, 0, kMaxSide), height_);
  dpr_ = l.devicePixelRatio > 0 ? l.devicePixelRatio : 1.0;
  pixelsPerTwip_ = dpr_ / kTwipsPerLogicalPixel;
  unitScale_ = dpr_ == 1.0;
  background_ = l.background;
  pixels_.resize(static_cast<std::size_t>(stride_) * rows_);
  tilesWide_ = (width_ + kTilePixels - 1) / kTilePixels;
  tilesHigh_ = (height_ + kTilePixels - 1) / kTilePixels;
  tiles_.assign(static_cast<std::size_t>(tilesWide_) * tilesHigh_, 0);
  historyTiles_.assign(tiles_.size(), 0);
  allChanged_ = true;
  historyAllChanged_ = true;
  ++generation_;
  if (marks_) marks_->restarted(false);
}

bool Surface::takeHistoryTiles(std::vector<std::uint8_t>& out) {
  const bool whole = historyAllChanged_;
  historyAllChanged_ = false;
  out.resize(tiles_.size());
  for (std::size_t i = 0; i < tiles_.size(); ++i) out[i] = tiles_[i] | historyTiles_[i];
  std::fill(historyTiles_.begin(), historyTiles_.end(), 0);
  return !whole;
}

void Surface::takeChanges(std::vector<PixelRect>& out, int maxRects) {
  out.clear();
  for (std::size_t i = 0; i < tiles_.size(); ++i) historyTiles_[i] |= tiles_[i];
  if (allChanged_) {
    allChanged_ = false;
    std::fill(tiles_.begin(), tiles_.end(), 0);
    if (width_ > 0 && height_ > 0) out.push_back({0, 0, width_, height_});
    return;
  }
  runsOf(tiles_, tilesWide_, tilesHigh_, kTilePixels, kTilePixels, out);
  if (out.empty()) return;
  const int most = std::max(maxRects, 1);
  int cols = tilesWide_, rows = tilesHigh_, tileWidth = kTilePixels, tileHeight = kTilePixels;
  if (static_cast<int>(out.size()) > most) coarse_ = tiles_;
  while (static_cast<int>(out.size()) > most && (cols > 1 || rows > 1)) {
    // Too many: tiles twice as wide (or, when they are wider than high, twice as high), each set
    // where either of its halves is.
    const bool wider = tileWidth == tileHeight ? cols > 1 : rows == 1;
    const int newCols = wider ? (cols + 1) / 2 : cols;
    const int newRows = wider ? rows : (rows + 1) / 2;
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        const std::uint8_t set = coarse_[static_cast<std::size_t>(r) * cols + c];
        coarse_[static_cast<std::size_t>(r) * cols + c] = 0;
        const int to = wider ? r * newCols + c / 2 : (r / 2) * newCols + c;
        coarse_[static_cast<std::size_t>(to)] |= set;
      }
    }
    cols = newCols, rows = newRows;
    (wider ? tileWidth : tileHeight) *= 2;
    runsOf(coarse_, cols, rows, tileWidth, tileHeight, out);
  }
  std::fill(tiles_.begin(), tiles_.end(), 0);
}

}  // namespace sw4
