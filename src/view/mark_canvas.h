#pragma once
// The view's memory of every mark drawn: a stack of sparse tile layers in world coordinates, one
// per zoom the view has had since the last clear.
//
// Why tiles in the world, and this way: the drawing makes up to TotalPlanets marks per body per
// tick. Measured: 40,000 a tick at 199 bodies (the tick about 8 ns a pair), 1,200 at 202 (past
// 199 only bodies 0 to 2 pull), and a body's marks of a tick land on the same one to four pixels,
// tick after tick (a light body's dots have no spread at all: its 199 marks of a tick are one).
// Keeping marks as a list would grow without end; a picture per zoom kept in tiles holds each
// pixel once, only where something was drawn, so a trail costs its length and not the world's
// size. A mark is stored at the zoom current when it is made, keeping its size on screen; what
// older zooms left stays in their layers and is shown resampled under the current one until the
// next clear.
//
// Cost in the hot loop: marks told a few at a time (past 199 bodies, three for each body
// pulled) wait in a small buffer and are stored with the next, as a call's fixed cost is more
// than theirs. A mark met again (the same place, offset and colour as one stored lately) is
// skipped after one lookup, so where two bodies' dots overlap the view may keep the colour drawn
// first; a new one is its two coordinates worked out together, a lookup of its tile (the tiles
// last met are remembered, else one probe of an open-addressing table sized never to grow) and a
// store. A tile missing there is taken from a reserve kept at hand; when the reserve is empty
// the mark waits in a fixed-size queue for settle(). Nothing in marks() allocates. A tile that
// takes a pixel is listed once (a flag in the tile, a list reserved whole), so a window renders
// anew just those tiles rather than everywhere the surface changed with a margin for spread
// marks.
//
// Tiles are small (16 x 16 pixels) as a trail is a thin line: a new tile costs little to clear
// and a line through it wastes less. Memory bound: at most kMaxTiles tiles (32.4 MiB) across
// all layers, plus kMaxLayers tables of 1 MiB, the 1 MiB queue, the 1 KiB buffer, the list of
// changed tiles (0.25 MiB) and the hot loop's tables of marks and tiles last met (0.125 MiB):
// boundBytes(), 41.75 MiB, whatever the run does.
// Past the bound, settle() gives up the layers least recently shown, then the current layer's
// tiles farthest from the view. Past kMaxLayers zooms, the layer least recently shown is folded
// into the coarsest other one, each of its pixels a dot there.
#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/mark_sink.h"
#include "view/tile_layer.h"

namespace sw4 {

class Surface;

// An image to draw into: width x height pixel words, a row every `stride` words.
struct PixelTarget {
  std::uint32_t* words;
  int width, height, stride;
};

class MarkCanvas final : public MarkSink {
 public:
  static constexpr int kMaxTiles = 32768;
  static constexpr int kMaxLayers = 8;
  static constexpr int kQueue = 1 << 16;
  static constexpr int kReserve = 512;
  // Marks told kFew or fewer at a time wait for up to kBatch to be stored together.
  static constexpr int kFew = 16;
  static constexpr int kBatch = 64;

  // Marks of `surface` (its pixel ratio sets the layers' scale); not yet listening.
  explicit MarkCanvas(const Surface& surface);
  ~MarkCanvas();

  // New marks go to the layer of `zoom` (an earlier one of the same zoom comes back on top).
  void setZoom(double zoom);
  double zoom() const { return current_->zoom(); }

  void marks(const Mark* m, int count) override;
  void restarted(bool blank) override;

  // Outside the hot loop: the queued marks, a clear's re-seeding, the reserve and the memory
  // bound (tiles farthest from the world point cx, cy go first).
  void settle(double cx, double cy);
  // The surface's picture into the zoom-1 layer, which matches its pixels one for one.
  void seed();
  // Every layer onto `out` (not cleared first), the oldest first, each at the view's `zoom` with
  // view pixel X + originX shown at out's column X.
  void render(const PixelTarget& out, double zoom, std::int64_t originX,
              std::int64_t originY) const;

  // The tiles of the current layer that took new pixels since the last call, each handed to
  // `f`; false, handing nothing, when more than those may show otherwise (a clear, a restore, a
  // new zoom, tiles given up or folded). A window renders anew only these.
  template <class F>
  bool takeChanged(F f) {
    storePending();
    const bool exact = !allChanged_;
    for (TileLayer::Tile* t : changed_) {
      t->changed = false;
      if (exact) f(static_cast<const TileLayer::Tile&>(*t));
    }
    changed_.clear();
    allChanged_ = false;
    return exact;
  }

  // Tiles held (in layers or at hand) and their bytes with the tables; never above boundBytes().
  int tiles() const { return static_cast<int>(store_.size()); }
  std::size_t bytes() const;
  static std::size_t boundBytes();
  long dropped() const { return dropped_; }  // marks lost to a full queue or the bound

 private:
  void store(const Mark* m, int count);
  void storePending();
  TileLayer& layerOf(double zoom);
  TileLayer::Tile* takeTile();  // from the reserve, or null
  TileLayer::Tile* tileFor(TileLayer& layer, std::int64_t X, std::int64_t Y, bool mayAllocate);
  // Tiles at hand are kept cleared, so taking one in the hot loop writes nothing.
  void release(TileLayer::Tile* t);
  void touched(TileLayer::Tile* t) {
    if (t->changed) return;
    t->changed = true;
    changed_.push_back(t);  // within its capacity: a tile is listed once
  }
  void allChanged();
  void dropLayer(std::size_t i);
  void foldOldest();
  void keepWithinBound(double cx, double cy);
  double pixelsPerTwip() const;

  const Surface& surface_;
  std::vector<std::unique_ptr<TileLayer>> layers_;
  TileLayer* current_ = nullptr;
  std::uint64_t clock_ = 0;
  std::vector<std::unique_ptr<TileLayer::Tile>> store_;  // every tile, whoever holds it
  std::vector<TileLayer::Tile*> free_;                   // the reserve
  std::vector<Mark> queue_;                              // capacity kQueue, never more
  std::array<Mark, kBatch> pending_;
  int pendingCount_ = 0;
  // The current layer's tiles last met, by their place: most marks land where marks of the
  // same body landed in the pulled body before, and this stays in the first-level cache where
  // the layer's table would not.
  struct Recent {
    std::uint64_t place = 0;  // the tile's key in its layer
    TileLayer::Tile* tile = nullptr;
  };
  static constexpr int kRecentBits = 12;
  static constexpr int kRecent = 1 << kRecentBits;
  static std::uint64_t tilePlace(std::int64_t X, std::int64_t Y) {
    return TileLayer::keyOf(static_cast<std::int32_t>(X >> TileLayer::kShift),
                            static_cast<std::int32_t>(Y >> TileLayer::kShift));
  }
  static std::size_t recentSlot(std::uint64_t place) {
    return static_cast<std::size_t>((place * 0x9E3779B97F4A7C15ull) >> (64 - kRecentBits));
  }
  // The marks last stored, by their bytes: a mark met again is skipped whole.
  struct Seen {
    std::uint64_t place = ~std::uint64_t{0}, rest = ~std::uint64_t{0};
  };
  static constexpr int kSeenBits = 12;
  static std::size_t seenSlot(std::uint64_t place, std::uint64_t rest) {
    return static_cast<std::size_t>(((place ^ std::rotl(rest, 32)) * 0x9E3779B97F4A7C15ull) >>
                                    (64 - kSeenBits));
  }
  std::vector<Seen> seen_ = std::vector<Seen>(std::size_t{1} << kSeenBits);
  // Forgets the tiles and marks last met: after any change to the tiles a layer holds.
  void forgetRecent();
  std::vector<Recent> recent_ = std::vector<Recent>(kRecent);
  std::vector<TileLayer::Tile*> changed_;  // capacity kMaxTiles, never more
  bool allChanged_ = true;
  bool reseed_ = false;
  long dropped_ = 0;
};

}  // namespace sw4
