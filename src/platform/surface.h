#pragma once
#include <cstdint>
#include <vector>

#include "platform/color.h"

namespace sw4 {

// The drawing area's pixels. Positions come in twips; a pixel covers twipsPerPixel twips (15 at
// one device pixel per logical pixel). Pixels stay until the surface is cleared, also across a
// resize: what is drawn keeps its place from the top left corner. The buffer keeps the largest
// extent it has had, so a part cropped by shrinking comes back when the area grows again, until
// the next clear. Stored as 0xFFRRGGBB words, a row every stride() words, so the Qt binding can
// wrap the buffer without copying.
class Surface {
 public:
  static constexpr int kTwipsPerLogicalPixel = 15;

  // widthTwips x heightTwips of drawing area, at devicePixelRatio device pixels a logical pixel
  // (a new ratio starts a new, cleared buffer).
  void resize(int widthTwips, int heightTwips, double devicePixelRatio = 1.0);
  void clear();
  void setBackground(Color c);
  Color background() const { return background_; }

  void setPixel(int xTwips, int yTwips, Color c) {
    if (xTwips < 0 || yTwips < 0) return;
    const int px = toPixel(xTwips);
    const int py = toPixel(yTwips);
    if (px >= width_ || py >= height_) return;
    pixels_[static_cast<std::size_t>(py) * stride_ + px] = toWord(c);
  }
  Color pixel(int xTwips, int yTwips) const;
  long dotCount() const;  // pixels of the area not of the background colour

  int widthPixels() const { return width_; }
  int heightPixels() const { return height_; }
  int stride() const { return stride_; }  // words from one row to the next
  double devicePixelRatio() const { return dpr_; }
  const std::uint32_t* data() const { return pixels_.data(); }
  std::uint32_t* data() { return pixels_.data(); }
  // Bumped by clear() and resize(), so a view knows to repaint everything.
  unsigned generation() const { return generation_; }

  // A non-negative twip position as a pixel index.
  int toPixel(int twips) const {
    return unitScale_ ? twips / kTwipsPerLogicalPixel : static_cast<int>(twips * pixelsPerTwip_);
  }

  static std::uint32_t toWord(Color c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(redOf(c)) << 16) |
           (static_cast<std::uint32_t>(greenOf(c)) << 8) | static_cast<std::uint32_t>(blueOf(c));
  }
  static Color fromWord(std::uint32_t w) { return rgb((w >> 16) & 255, (w >> 8) & 255, w & 255); }

 private:
  std::vector<std::uint32_t> pixels_;  // stride_ x rows_ words
  int width_ = 0, height_ = 0;         // the area shown
  int stride_ = 0, rows_ = 0;          // the extent kept
  double dpr_ = 1.0;
  double pixelsPerTwip_ = 1.0 / kTwipsPerLogicalPixel;
  bool unitScale_ = true;  // one device pixel a logical pixel: integer arithmetic
  Color background_ = 0;
  unsigned generation_ = 0;
};

}  // namespace sw4
