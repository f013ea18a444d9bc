#include "platform/surface.h"

#include <algorithm>
#include <cmath>

namespace sw4 {

void Surface::resize(int widthTwips, int heightTwips, double devicePixelRatio) {
  if (!(devicePixelRatio > 0)) devicePixelRatio = 1.0;
  dpr_ = devicePixelRatio;
  pixelsPerTwip_ = dpr_ / kTwipsPerLogicalPixel;
  unitScale_ = dpr_ == 1.0;
  width_ = std::max(0, static_cast<int>(std::ceil(widthTwips * pixelsPerTwip_)));
  height_ = std::max(0, static_cast<int>(std::ceil(heightTwips * pixelsPerTwip_)));
  pixels_.assign(static_cast<std::size_t>(width_) * height_, toWord(background_));
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
  return fromWord(pixels_[static_cast<std::size_t>(py) * width_ + px]);
}

long Surface::dotCount() const {
  const std::uint32_t bg = toWord(background_);
  return static_cast<long>(std::count_if(pixels_.begin(), pixels_.end(),
                                         [bg](std::uint32_t w) { return w != bg; }));
}

}  // namespace sw4
