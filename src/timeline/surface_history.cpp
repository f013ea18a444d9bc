#include "timeline/surface_history.h"

#include <algorithm>
#include <cstring>

#include "platform/surface.h"
#include "timeline/byte_stream.h"
#include "timeline/compression.h"
#include "timeline/pixel_packing.h"

namespace sw4 {

namespace {

constexpr int kTile = Surface::kTilePixels;
// The pixels of a busy drawing hardly compress: the fastest levels lose little, and a picture
// that is mostly noise is kept as it is.
constexpr int kSurfaceLevel = -5;

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
  ByteWriter& w = packed_;
  w.bytes().clear();
  if (key) {
    haveKey_ = true;
    sinceKey_.assign(drawn_.size(), 0);
    const Surface::Layout l = surface.layout();
    packPixels(surface.data(), static_cast<std::size_t>(l.stride) * l.rows, w);
    return compressor_.compressIfItPays(w.bytes(), kSurfaceLevel);
  }
  // The tiles' numbers, then their pixels row by row.
  w.put(count);
  words_.clear();
  for (std::uint32_t t = 0; t < sinceKey_.size(); ++t) {
    if (!sinceKey_[t]) continue;
    w.put(t);
    const TileSpan sp = spanOf(surface, t);
    for (int y = sp.y; y < sp.y + sp.height; ++y) {
      const std::uint32_t* row = surface.data() + static_cast<std::size_t>(y) * surface.stride();
      words_.insert(words_.end(), row + sp.x, row + sp.x + sp.width);
    }
  }
  packPixels(words_.data(), words_.size(), w);
  return compressor_.compressIfItPays(w.bytes(), kSurfaceLevel);
}

void SurfaceHistory::restore(Surface& surface, const std::string& keyPixels,
                             const std::string* tiles) {
  const Surface::Layout l = surface.layout();
  const std::string key = expand(keyPixels);
  ByteReader keyReader(key);
  unpackPixels(keyReader, surface.data(), static_cast<std::size_t>(l.stride) * l.rows);
  if (!tiles) return;
  const std::string raw = expand(*tiles);
  ByteReader r(raw);
  std::size_t count = 0;
  r.get(count);
  const std::size_t tileCount = static_cast<std::size_t>(surface.tilesWide()) * surface.tilesHigh();
  std::vector<std::uint32_t> ids(std::min(count, tileCount));
  std::size_t words = 0;
  for (std::uint32_t& t : ids) {
    r.get(t);
    if (t >= tileCount) return;
    const TileSpan sp = spanOf(surface, t);
    words += static_cast<std::size_t>(sp.width) * sp.height;
  }
  std::vector<std::uint32_t> pixels(words);
  unpackPixels(r, pixels.data(), words);
  const std::uint32_t* from = pixels.data();
  for (const std::uint32_t t : ids) {
    const TileSpan sp = spanOf(surface, t);
    for (int y = sp.y; y < sp.y + sp.height; ++y, from += sp.width)
      std::copy(from, from + sp.width,
                surface.data() + static_cast<std::size_t>(y) * surface.stride() + sp.x);
  }
}

}  // namespace sw4
