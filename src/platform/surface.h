#pragma once
#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/mark_sink.h"

namespace sw4 {

// A rectangle of the surface in pixels.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The drawing area's pixels. Positions come in twips; a pixel covers twipsPerPixel twips (15 at
// one device pixel per logical pixel). Pixels stay until the surface is cleared, also across a
// resize: what is drawn keeps its place from the top left corner. The buffer keeps the largest
// extent it has had, so a part cropped by shrinking comes back when the area grows again, until
// the next clear. Stored as 0xFFRRGGBB words, a row every stride() words, so the Qt binding can
// wrap the buffer without copying. The surface remembers which tiles of kTilePixels x
// kTilePixels of the area it drew on, so a view repaints only those.
class Surface {
 public:
  static constexpr int kTwipsPerLogicalPixel = 15;
  // Pixels a side at most (256 MiB of surface): a larger window shows background beyond.
  static constexpr int kMaxSide = 8192;
  // The most twips a side that keep the surface within kMaxSide pixels at this pixel ratio.
  static int maxTwips(double devicePixelRatio);
  static constexpr int kTileShift = 3;
  static constexpr int kTilePixels = 1 << kTileShift;

  // Writes pixels straight into the buffer and marks their tiles: for drawing many dots in a
  // row. Valid until the next resize().
  class Pen {
   public:
    int toPixel(int twips) const {
      return unitScale_ ? twips / kTwipsPerLogicalPixel : static_cast<int>(twips * pixelsPerTwip_);
    }
    bool inside(int px, int py) const {
      return static_cast<unsigned>(px) < static_cast<unsigned>(width_) &&
             static_cast<unsigned>(py) < static_cast<unsigned>(height_);
    }
    // px, py must be inside().
    void put(int px, int py, std::uint32_t word) const {
      pixels_[static_cast<std::size_t>(py) * stride_ + px] = word;
      tiles_[(py >> kTileShift) * tilesWide_ + (px >> kTileShift)] = 1;
    }

   private:
    friend class Surface;
    explicit Pen(Surface& s)
        : pixels_(s.pixels_.data()),
          tiles_(s.tiles_.data()),
          width_(s.width_),
          height_(s.height_),
          stride_(s.stride_),
          tilesWide_(s.tilesWide_),
          unitScale_(s.unitScale_),
          pixelsPerTwip_(s.pixelsPerTwip_) {}

    std::uint32_t* pixels_;
    std::uint8_t* tiles_;
    int width_, height_, stride_, tilesWide_;
    bool unitScale_;
    double pixelsPerTwip_;
  };

  // Who is told of every mark drawn and of every clear (none by default: the drawing then only
  // tests a null pointer). A view of the world listens here.
  void setMarkSink(MarkSink* sink) { marks_ = sink; }
  MarkSink* markSink() const { return marks_; }

  // widthTwips x heightTwips of drawing area, at devicePixelRatio device pixels a logical pixel
  // (a new ratio starts a new, cleared buffer).
  void resize(int widthTwips, int heightTwips, double devicePixelRatio = 1.0);
  void clear();
  void setBackground(Color c);
  Color background() const { return background_; }

  Pen pen() { return Pen(*this); }
  void setPixel(int xTwips, int yTwips, Color c) {
    if (xTwips < 0 || yTwips < 0) return;
    const Pen p = pen();
    const int px = p.toPixel(xTwips);
    const int py = p.toPixel(yTwips);
    if (p.inside(px, py)) p.put(px, py, toWord(c));
  }
  Color pixel(int xTwips, int yTwips) const;
  long dotCount() const;  // pixels of the area not of the background colour

  // The tiles drawn on since the last call, one byte a tile (1: drawn), row by row over
  // tilesWide() x tilesHigh(); false when the whole area changed (a clear, a resize, a restore)
  // and `out` tells nothing. A consumer of its own beside takeChanges(): a history of the surface.
  bool takeHistoryTiles(std::vector<std::uint8_t>& out);
  int tilesWide() const { return tilesWide_; }
  int tilesHigh() const { return tilesHigh_; }

  // How the buffer is laid out, for putting back a surface kept elsewhere.
  struct Layout {
    int width = 0, height = 0, stride = 0, rows = 0;
    double devicePixelRatio = 1.0;
    Color background = 0;
  };
  Layout layout() const { return {width_, height_, stride_, rows_, dpr_, background_}; }
  // Takes `l` as the buffer's layout, its pixels left to the caller to fill through data(); a
  // view repaints everything.
  void adopt(const Layout& l);

  // The rectangles drawn on since the last call (the whole area after a clear or resize), at most
  // maxRects of them: when there are more, neighbouring tiles are merged into larger rectangles.
  void takeChanges(std::vector<PixelRect>& out, int maxRects);

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
  // The set cells of a grid of tiles as rectangles: runs along each row, joined to
  // the run above when both span the same columns.
  void runsOf(const std::vector<std::uint8_t>& grid, int cols, int rows, int tileWidth,
              int tileHeight, std::vector<PixelRect>& out);

  std::vector<std::uint32_t> pixels_;       // stride_ x rows_ words
  std::vector<std::uint8_t> tiles_;         // 1 where a pixel was set since the last takeChanges()
  std::vector<std::uint8_t> historyTiles_;  // what takeChanges() took since takeHistoryTiles()
  bool historyAllChanged_ = true;
  std::vector<std::uint8_t> coarse_;       // takeChanges()'s larger tiles
  std::vector<std::size_t> above_, here_;  // runsOf()'s rectangles ending at a row
  int width_ = 0, height_ = 0;             // the area shown
  int stride_ = 0, rows_ = 0;              // the extent kept
  int tilesWide_ = 0, tilesHigh_ = 0;      // over the area shown
  bool allChanged_ = true;
  double dpr_ = 1.0;
  double pixelsPerTwip_ = 1.0 / kTwipsPerLogicalPixel;
  bool unitScale_ = true;  // one device pixel a logical pixel: integer arithmetic
  Color background_ = 0;
  unsigned generation_ = 0;
  MarkSink* marks_ = nullptr;
};

}  // namespace sw4
