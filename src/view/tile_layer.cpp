#include "view/tile_layer.h"

namespace sw4 {

TileLayer::TileLayer(double zoom, double pixelsPerTwip, int maxTiles)
    : zoom_(zoom), pixelsPerTwip_(pixelsPerTwip), maxTiles_(maxTiles) {
  const std::size_t size = slotsFor(maxTiles);
  shift_ = 64 - std::countr_zero(size);
  slots_.resize(size);
}

TileLayer::Tile* TileLayer::find(std::int32_t tx, std::int32_t ty) const {
  const std::uint64_t key = keyOf(tx, ty);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = slotOf(key);; i = (i + 1) & mask) {
    const Slot& s = slots_[i];
    if (!s.tile) return nullptr;
    if (s.key == key) return s.tile;
  }
}

bool TileLayer::insert(Tile* tile, std::int32_t tx, std::int32_t ty) {
  if (count_ >= maxTiles_) return false;
  tile->tx = tx;
  tile->ty = ty;
  const std::uint64_t key = keyOf(tx, ty);
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = slotOf(key);
  while (slots_[i].tile) i = (i + 1) & mask;
  slots_[i] = {key, tile};
  ++count_;
  return true;
}

}  // namespace sw4
