#pragma once
// The marks drawn at one zoom: square tiles of pixels anchored in the world, kept only where
// something was drawn.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

namespace sw4 {

// Pixel X of a layer covers the twips [X / s, (X + 1) / s) for s = zoom x device pixels a twip,
// so the layers of every zoom share the world's origin and a mark stays where it was drawn when
// the view moves. A pixel word of 0 is nothing drawn; a drawn one has its alpha byte set.
class TileLayer {
 public:
  static constexpr int kShift = 4;
  static constexpr int kSide = 1 << kShift;  // 16 x 16 pixels, 1 KiB a tile
  // Pixel coordinates are held within this, so tile coordinates fit 32 bits.
  static constexpr std::int64_t kReach = (std::int64_t{1} << 35) - 1;

  struct Tile {
    std::int32_t tx = 0, ty = 0;
    bool changed = false;  // among the canvas's changed tiles
    std::uint32_t px[kSide * kSide]{};
  };

  // A layer at `zoom` on a surface of `pixelsPerTwip` device pixels a twip, holding at most
  // `maxTiles` tiles (its table is allocated here, never in the hot loop).
  TileLayer(double zoom, double pixelsPerTwip, int maxTiles);

  double zoom() const { return zoom_; }
  double scale() const { return zoom_ * pixelsPerTwip_; }  // pixels a twip

  // The pixel a mark lands on: the body's place at this zoom, its offset at the surface's scale.
  // At zoom 1 exactly the surface's pixel.
  std::int64_t pixelX(int x, int dx) const { return floorHeld((x * zoom_ + dx) * pixelsPerTwip_); }
  // The same for both coordinates at once without a branch, for the hot loop, in pairs of
  // doubles: held, then floored by rounding to the nearest whole number (1.5 x 2^52 added and
  // taken away, exact for what is held) and stepping down where that went up.
  void pixelsOf(int x, int y, int dx, int dy, std::int64_t& X, std::int64_t& Y) const {
    using Pair = double __attribute__((vector_size(16)));
    using Bits = std::int64_t __attribute__((vector_size(16)));
    constexpr double kHeld = static_cast<double>(kReach), kWhole = 0x1.8p52;
    const Pair place = {static_cast<double>(x), static_cast<double>(y)};
    const Pair offset = {static_cast<double>(dx), static_cast<double>(dy)};
    Pair v = (place * zoom_ + offset) * pixelsPerTwip_;
    v = v < -kHeld ? Pair{-kHeld, -kHeld} : v;
    v = v > kHeld ? Pair{kHeld, kHeld} : v;
    Pair r = (v + kWhole) - kWhole;
    r -= reinterpret_cast<Pair>((r > v) & reinterpret_cast<Bits>(Pair{1.0, 1.0}));
    X = static_cast<std::int64_t>(r[0]);
    Y = static_cast<std::int64_t>(r[1]);
  }

  // A tile's place as one word: tx in the high half, ty in the low.
  static std::uint64_t keyOf(std::int32_t tx, std::int32_t ty) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(tx)) << 32) |
           static_cast<std::uint32_t>(ty);
  }
  // The tile holding pixel X, Y, or null.
  Tile* find(std::int32_t tx, std::int32_t ty) const;
  // Adds `tile` at tx, ty (none there yet), setting its place; false when the layer is full.
  bool insert(Tile* tile, std::int32_t tx, std::int32_t ty);
  int size() const { return count_; }
  // Slots a walk over every tile reads.
  std::size_t capacity() const { return slots_.size(); }
  // The table's bytes for a layer of `maxTiles`.
  static std::size_t tableBytes(int maxTiles) { return slotsFor(maxTiles) * sizeof(Slot); }
  template <class F>
  void forEach(F f) const {
    for (const Slot& s : slots_)
      if (s.tile) f(*s.tile);
  }
  // Takes out the tiles `drop` says yes to; hands each to `gone`.
  template <class Drop, class Gone>
  void removeIf(Drop drop, Gone gone) {
    std::vector<Tile*> keep;
    keep.reserve(count_);
    for (Slot& s : slots_) {
      if (!s.tile) continue;
      if (drop(*s.tile))
        gone(s.tile);
      else
        keep.push_back(s.tile);
      s.tile = nullptr;
    }
    count_ = 0;
    for (Tile* t : keep) insert(t, t->tx, t->ty);
  }

  // Hands every tile to `gone` and empties the table, keeping its memory.
  template <class Gone>
  void clear(Gone gone) {
    for (Slot& s : slots_) {
      if (s.tile) gone(s.tile);
      s = Slot{};
    }
    count_ = 0;
  }

  static std::int64_t floorHeld(double v) {
    if (!(v > -static_cast<double>(kReach))) return -kReach;
    if (!(v < static_cast<double>(kReach))) return kReach;
    const auto t = static_cast<std::int64_t>(v);
    return v < static_cast<double>(t) ? t - 1 : t;
  }

  // When this layer was last the view's zoom, for choosing which to give up.
  std::uint64_t lastUse = 0;

 private:
  struct Slot {
    std::uint64_t key = 0;
    Tile* tile = nullptr;
  };
  static std::size_t slotsFor(int maxTiles) {
    return std::bit_ceil(static_cast<std::size_t>(maxTiles) * 2);
  }
  std::size_t slotOf(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  double zoom_, pixelsPerTwip_;
  int maxTiles_;
  int shift_;  // 64 - log2 of the table's size
  int count_ = 0;
  std::vector<Slot> slots_;  // open addressing, at most half full
};

}  // namespace sw4
