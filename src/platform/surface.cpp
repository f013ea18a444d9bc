#include "platform/surface.h"

#include <algorithm>
#include <cmath>

namespace sw4 {

void Surface::resize(int widthTwips, int heightTwips, double devicePixelRatio) {
  if (!(devicePixelRatio > 0)) devicePixelRatio = 1.0;
  const bool newRatio = devicePixelRatio != dpr_;
  dpr_ = devicePixelRatio;
  pixelsPerTwip_ = dpr_ / kTwipsPerLogicalPixel;
  unitScale_ = dpr_ == 1.0;
  width_ = std::max(0, static_cast<int>(std::ceil(widthTwips * pixelsPerTwip_)));
  height_ = std::max(0, static_cast<int>(std::ceil(heightTwips * pixelsPerTwip_)));
  const std::uint32_t back = toWord(background_);
  if (newRatio) {
    stride_ = width_;
    rows_ = height_;
    pixels_.assign(static_cast<std::size_t>(stride_) * rows_, back);
  } else if (width_ > stride_ || height_ > rows_) {
    const int stride = std::max(stride_, width_);
    const int rows = std::max(rows_, height_);
    std::vector<std::uint32_t> grown(static_cast<std::size_t>(stride) * rows, back);
    for (int y = 0; y < rows_; ++y)
      std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * stride_, stride_,
                  grown.begin() + static_cast<std::ptrdiff_t>(y) * stride);
    pixels_ = std::move(grown);
    stride_ = stride;
    rows_ = rows;
  }
  ++generation_;
}

void Surface::clear() {
  std::fill(pixels_.begin(), pixels_.end(), toWord(background_));
  ++generation_;
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

}  // namespace sw4
