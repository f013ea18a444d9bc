#include "timeline/surface_history.h"

#include <algorithm>
#include <cstring>

#include "platform/surface.h"
#include "timeline/byte_stream.h"
#include "timeline/compression.h"

namespace sw4 {

namespace {

constexpr int kTile = Surface::kTilePixels;

// The pixel rows of tile t that lie inside the area: first row, rows, first column, columns.
struct TileSpan {
  int x, y, width, height;
};
TileSpan spanOf(const Surface& s, std::uint32_t t) {
  const int x = static_cast<int>(t % s.tilesWide()) * kTile;
  const int y = static_cast<int>(t / s.tilesWide()) * kTile;
  return {x, y, std::min(kTile, s.widthPixels() - x), std::min(kTile, s.heightPixels() - y)};
}

}  // namespace

std::string SurfaceHistory::take(Surface& surface, bool& key) {
  const bool tilesKnown = surface.takeHistoryTiles(drawn_);
  std::size_t count = 0;
  if (haveKey_ && tilesKnown && sinceKey_.size() == drawn_.size()) {
    for (std::size_t i = 0; i < drawn_.size(); ++i) count += (sinceKey_[i] |= drawn_[i]) != 0;
  }
  key =
      !haveKey_ || !tilesKnown || sinceKey_.size() != drawn_.size() || count * 4 > sinceKey_.size();
  if (key) {
    haveKey_ = true;
    sinceKey_.assign(drawn_.size(), 0);
    const Surface::Layout l = surface.layout();
    return compress({reinterpret_cast<const char*>(surface.data()),
                     static_cast<std::size_t>(l.stride) * l.rows * sizeof(std::uint32_t)});
  }
  ByteWriter w;
  w.put(count);
  for (std::uint32_t t = 0; t < sinceKey_.size(); ++t) {
    if (!sinceKey_[t]) continue;
    w.put(t);
    const TileSpan sp = spanOf(surface, t);
    for (int y = sp.y; y < sp.y + sp.height; ++y)
      w.putRaw(surface.data() + static_cast<std::size_t>(y) * surface.stride() + sp.x,
               sp.width * sizeof(std::uint32_t));
  }
  return compress(w.bytes());
}

void SurfaceHistory::restore(Surface& surface, const std::string& keyPixels,
                             const std::string* tiles) {
  const std::string pixels = decompress(keyPixels);
  const Surface::Layout l = surface.layout();
  const std::size_t bytes = static_cast<std::size_t>(l.stride) * l.rows * sizeof(std::uint32_t);
  std::memcpy(surface.data(), pixels.data(), std::min(bytes, pixels.size()));
  if (!tiles) return;
  const std::string raw = decompress(*tiles);
  ByteReader r(raw);
  std::size_t count = 0;
  r.get(count);
  const std::size_t tileCount = static_cast<std::size_t>(surface.tilesWide()) * surface.tilesHigh();
  for (std::size_t k = 0; k < count; ++k) {
    std::uint32_t t = 0;
    r.get(t);
    if (t >= tileCount) return;
    const TileSpan sp = spanOf(surface, t);
    for (int y = sp.y; y < sp.y + sp.height; ++y)
      r.getRaw(surface.data() + static_cast<std::size_t>(y) * surface.stride() + sp.x,
               sp.width * sizeof(std::uint32_t));
  }
}

}  // namespace sw4
