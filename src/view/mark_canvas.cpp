#include "view/mark_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "platform/surface.h"

namespace sw4 {

namespace {

constexpr int kSide = TileLayer::kSide;
constexpr int kShift = TileLayer::kShift;

bool sameZoom(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(a, b);
}

}  // namespace

MarkCanvas::MarkCanvas(const Surface& surface) : surface_(surface) {
  queue_.reserve(kQueue);
  changed_.reserve(kMaxTiles);
  setZoom(1.0);
}

MarkCanvas::~MarkCanvas() = default;

double MarkCanvas::pixelsPerTwip() const {
  return surface_.devicePixelRatio() / Surface::kTwipsPerLogicalPixel;
}

TileLayer& MarkCanvas::layerOf(double zoom) {
  for (auto& l : layers_)
    if (sameZoom(l->zoom(), zoom)) return *l;
  if (static_cast<int>(layers_.size()) >= kMaxLayers) foldOldest();
  layers_.push_back(std::make_unique<TileLayer>(zoom, pixelsPerTwip(), kMaxTiles));
  return *layers_.back();
}

void MarkCanvas::setZoom(double zoom) {
  if (current_) storePending();
  TileLayer& l = layerOf(zoom);
  l.lastUse = ++clock_;
  current_ = &l;
  forgetRecent();
  allChanged();
}

TileLayer::Tile* MarkCanvas::takeTile() {
  if (free_.empty()) return nullptr;
  TileLayer::Tile* t = free_.back();
  free_.pop_back();
  return t;
}

void MarkCanvas::release(TileLayer::Tile* t) {
  if (t->changed) allChanged();
  std::memset(t->px, 0, sizeof t->px);
  free_.push_back(t);
}

// The list is given up for the whole picture: a tile on it may be released and taken again.
void MarkCanvas::allChanged() {
  for (TileLayer::Tile* t : changed_) t->changed = false;
  changed_.clear();
  allChanged_ = true;
}

TileLayer::Tile* MarkCanvas::tileFor(TileLayer& layer, std::int64_t X, std::int64_t Y,
                                     bool mayAllocate) {
  const auto tx = static_cast<std::int32_t>(X >> kShift);
  const auto ty = static_cast<std::int32_t>(Y >> kShift);
  if (TileLayer::Tile* t = layer.find(tx, ty)) return t;
  if (free_.empty() && mayAllocate && static_cast<int>(store_.size()) < kMaxTiles) {
    store_.push_back(std::make_unique<TileLayer::Tile>());
    free_.push_back(store_.back().get());
  }
  TileLayer::Tile* t = takeTile();
  if (t && !layer.insert(t, tx, ty)) {
    release(t);
    return nullptr;
  }
  return t;
}

void MarkCanvas::forgetRecent() {
  std::fill(recent_.begin(), recent_.end(), Recent{});
  std::fill(seen_.begin(), seen_.end(), Seen{});
}

void MarkCanvas::marks(const Mark* m, int count) {
  if (count > kFew) {
    storePending();
    return store(m, count);
  }
  if (pendingCount_ + count > kBatch) storePending();
  // Element by element: a few marks, where a call to memmove would cost more than the copy.
  int n = pendingCount_;
  for (int i = 0; i < count; ++i) pending_[n++] = m[i];
  pendingCount_ = n;
}

void MarkCanvas::storePending() {
  store(pending_.data(), pendingCount_);
  pendingCount_ = 0;
}

void MarkCanvas::store(const Mark* m, int count) {
  const TileLayer& layer = *current_;
  const Mark* fresh[kBatch];
  Seen* seenAt[kBatch];
  std::int64_t px[kBatch], py[kBatch];
  while (count > 0) {
    const int n = std::min(count, kBatch);
    // A mark met again (a body's dot is drawn once for every body it pulls, mostly on the same
    // pixel) needs nothing more.
    int k = 0;
    for (int i = 0; i < n; ++i) {
      std::uint64_t key[2];
      std::memcpy(key, &m[i], sizeof key);
      Seen& seen = seen_[seenSlot(key[0], key[1])];
      if (seen.place == key[0] && seen.rest == key[1]) continue;
      fresh[k] = &m[i];
      seenAt[k++] = &seen;
    }
    // Their pixels in a loop of arithmetic alone, then the stores.
    for (int i = 0; i < k; ++i) {
      layer.pixelsOf(fresh[i]->x, fresh[i]->y, fresh[i]->dx, fresh[i]->dy, px[i], py[i]);
    }
    for (int i = 0; i < k; ++i) {
      const std::int64_t X = px[i], Y = py[i];
      const std::uint64_t place = tilePlace(X, Y);
      Recent& r = recent_[recentSlot(place)];
      TileLayer::Tile* t = r.tile;
      if (r.place != place || !t) {
        t = tileFor(*current_, X, Y, false);
        if (!t) {
          if (queue_.size() < static_cast<std::size_t>(kQueue))
            queue_.push_back(*fresh[i]);
          else
            ++dropped_;
          continue;
        }
        r = {place, t};
      }
      t->px[(Y & (kSide - 1)) * kSide + (X & (kSide - 1))] = fresh[i]->word;
      touched(t);
      std::memcpy(static_cast<void*>(seenAt[i]), fresh[i], sizeof(Seen));
    }
    m += n;
    count -= n;
  }
}

void MarkCanvas::restarted(bool blank) {
  // The current layer stays (its table is a megabyte to allocate anew), empty.
  for (std::size_t i = layers_.size(); i-- > 0;)
    if (layers_[i].get() != current_) dropLayer(i);
  current_->clear([this](TileLayer::Tile* t) { release(t); });
  if (current_->scale() != current_->zoom() * pixelsPerTwip()) {
    const double zoom = current_->zoom();
    layers_.clear();
    setZoom(zoom);
  }
  forgetRecent();
  queue_.clear();
  pendingCount_ = 0;
  allChanged();
  reseed_ = !blank;
}

void MarkCanvas::seed() {
  reseed_ = false;
  allChanged();
  TileLayer& layer = layerOf(1.0);
  const int w = surface_.widthPixels(), h = surface_.heightPixels();
  const std::uint32_t back = Surface::toWord(surface_.background());
  const std::uint32_t* data = surface_.data();
  const int stride = surface_.stride();
  for (int y0 = 0; y0 < h; y0 += kSide) {
    for (int x0 = 0; x0 < w; x0 += kSide) {
      const int x1 = std::min(x0 + kSide, w), y1 = std::min(y0 + kSide, h);
      bool drawn = false;
      for (int y = y0; y < y1 && !drawn; ++y)
        for (int x = x0; x < x1 && !drawn; ++x)
          drawn = data[static_cast<std::size_t>(y) * stride + x] != back;
      TileLayer::Tile* t =
          drawn ? tileFor(layer, x0, y0, true) : layer.find(x0 >> kShift, y0 >> kShift);
      if (!t) continue;
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
          const std::uint32_t word = data[static_cast<std::size_t>(y) * stride + x];
          t->px[(y - y0) * kSide + (x - x0)] = word == back ? 0 : word;
        }
    }
  }
}

void MarkCanvas::dropLayer(std::size_t i) {
  layers_[i]->forEach([this](TileLayer::Tile& t) { release(&t); });
  if (layers_[i].get() == current_) current_ = nullptr;
  layers_.erase(layers_.begin() + static_cast<std::ptrdiff_t>(i));
  forgetRecent();
  allChanged();
}

// The layer least recently shown, its pixels as dots in the coarsest other layer.
void MarkCanvas::foldOldest() {
  std::size_t oldest = 0, coarsest = 0;
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    if (layers_[i]->lastUse < layers_[oldest]->lastUse) oldest = i;
  }
  coarsest = oldest == 0 ? 1 : 0;
  for (std::size_t i = 0; i < layers_.size(); ++i)
    if (i != oldest && layers_[i]->zoom() < layers_[coarsest]->zoom()) coarsest = i;
  TileLayer& from = *layers_[oldest];
  TileLayer& to = *layers_[coarsest];
  const double r = to.zoom() / from.zoom();
  from.forEach([&](const TileLayer::Tile& t) {
    for (int i = 0; i < kSide * kSide; ++i) {
      if (!t.px[i]) continue;
      const std::int64_t X = (static_cast<std::int64_t>(t.tx) << kShift) + (i & (kSide - 1));
      const std::int64_t Y = (static_cast<std::int64_t>(t.ty) << kShift) + (i >> kShift);
      const std::int64_t x = TileLayer::floorHeld((X + 0.5) * r);
      const std::int64_t y = TileLayer::floorHeld((Y + 0.5) * r);
      TileLayer::Tile* d = tileFor(to, x, y, true);
      if (!d) continue;
      std::uint32_t& p = d->px[(y & (kSide - 1)) * kSide + (x & (kSide - 1))];
      if (!p) p = t.px[i];
    }
  });
  dropLayer(oldest);
}

void MarkCanvas::keepWithinBound(double cx, double cy) {
  const int most = kMaxTiles - kReserve;
  auto held = [this] { return static_cast<int>(store_.size() - free_.size()); };
  while (held() > most && layers_.size() > 1) {
    std::size_t oldest = layers_[0].get() == current_ ? 1 : 0;
    for (std::size_t i = 0; i < layers_.size(); ++i)
      if (layers_[i].get() != current_ && layers_[i]->lastUse < layers_[oldest]->lastUse)
        oldest = i;
    dropLayer(oldest);
  }
  if (held() <= most) return;
  // The current layer alone is over: keep the three quarters nearest the view's centre.
  TileLayer& l = *current_;
  const double s = l.scale();
  std::vector<double> far;
  l.forEach([&](const TileLayer::Tile& t) {
    const double dx = (t.tx + 0.5) * kSide / s - cx, dy = (t.ty + 0.5) * kSide / s - cy;
    far.push_back(dx * dx + dy * dy);
  });
  const std::size_t keep = static_cast<std::size_t>(most) * 3 / 4;
  std::nth_element(far.begin(), far.begin() + static_cast<std::ptrdiff_t>(keep), far.end());
  const double limit = far[keep];
  l.removeIf(
      [&](const TileLayer::Tile& t) {
        const double dx = (t.tx + 0.5) * kSide / s - cx, dy = (t.ty + 0.5) * kSide / s - cy;
        return dx * dx + dy * dy >= limit;
      },
      [this](TileLayer::Tile* t) { release(t); });
  forgetRecent();
  allChanged();
}

void MarkCanvas::settle(double cx, double cy) {
  if (reseed_) seed();
  storePending();
  if (!queue_.empty()) {
    TileLayer& layer = *current_;
    for (const Mark& k : queue_) {
      const std::int64_t X = layer.pixelX(k.x, k.dx);
      const std::int64_t Y = layer.pixelX(k.y, k.dy);
      TileLayer::Tile* t = tileFor(layer, X, Y, true);
      if (!t) {
        keepWithinBound(cx, cy);
        t = tileFor(layer, X, Y, true);
      }
      if (!t) {
        ++dropped_;
        continue;
      }
      t->px[(Y & (kSide - 1)) * kSide + (X & (kSide - 1))] = k.word;
      touched(t);
    }
    queue_.clear();
    forgetRecent();
  }
  keepWithinBound(cx, cy);
  while (static_cast<int>(free_.size()) < kReserve && static_cast<int>(store_.size()) < kMaxTiles) {
    store_.push_back(std::make_unique<TileLayer::Tile>());
    free_.push_back(store_.back().get());
  }
}

void MarkCanvas::render(const PixelTarget& out, double zoom, std::int64_t originX,
                        std::int64_t originY) const {
  // A window renders many bands a frame: the order without an allocation.
  std::array<const TileLayer*, kMaxLayers> order;
  const std::size_t layers = layers_.size();
  for (std::size_t i = 0; i < layers; ++i) order[i] = layers_[i].get();
  std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(layers),
            [](const TileLayer* a, const TileLayer* b) { return a->lastUse < b->lastUse; });
  for (std::size_t k = 0; k < layers; ++k) {
    const TileLayer* l = order[k];
    const double r = zoom / l->zoom();  // view pixels a layer pixel
    const bool same = sameZoom(zoom, l->zoom());
    // The layer's pixels in sight, as tiles.
    const std::int64_t tx0 = TileLayer::floorHeld(originX / r) >> kShift;
    const std::int64_t ty0 = TileLayer::floorHeld(originY / r) >> kShift;
    const std::int64_t tx1 = TileLayer::floorHeld((originX + out.width) / r) >> kShift;
    const std::int64_t ty1 = TileLayer::floorHeld((originY + out.height) / r) >> kShift;
    auto draw = [&](const TileLayer::Tile& t) {
      if (t.tx < tx0 || t.tx > tx1 || t.ty < ty0 || t.ty > ty1) return;
      const std::int64_t X0 = static_cast<std::int64_t>(t.tx) << kShift;
      const std::int64_t Y0 = static_cast<std::int64_t>(t.ty) << kShift;
      if (same) {
        // One pixel a pixel: only the part in sight (a band may be a few pixels thin).
        const std::int64_t left = X0 - originX, top = Y0 - originY;
        const int i0 = static_cast<int>(std::max<std::int64_t>(-left, 0));
        const int j0 = static_cast<int>(std::max<std::int64_t>(-top, 0));
        const int i1 = static_cast<int>(std::min<std::int64_t>(out.width - left, kSide));
        const int j1 = static_cast<int>(std::min<std::int64_t>(out.height - top, kSide));
        for (int j = j0; j < j1; ++j) {
          const std::uint32_t* row = t.px + j * kSide;
          std::uint32_t* to = out.words + static_cast<std::size_t>(top + j) * out.stride + left;
          for (int i = i0; i < i1; ++i)
            to[i] = row[i] ? row[i] : to[i];
        }
        return;
      }
      // Where each of the tile's pixel edges falls in the picture, held to it.
      std::int64_t xs[kSide + 1], ys[kSide + 1];
      for (int i = 0; i <= kSide; ++i) {
        xs[i] = TileLayer::floorHeld((X0 + i) * r) - originX;
        ys[i] = TileLayer::floorHeld((Y0 + i) * r) - originY;
      }
      // The columns in sight: the edges rise, so those before and after are skipped whole.
      int i0 = 0, i1 = kSide;
      while (i0 < i1 && std::max(xs[i0] + 1, xs[i0 + 1]) <= 0) ++i0;
      while (i1 > i0 && xs[i1 - 1] >= out.width) --i1;
      for (int j = 0; j < kSide; ++j) {
        const std::int64_t y0 = std::max<std::int64_t>(ys[j], 0);
        const std::int64_t y1 = std::min<std::int64_t>(std::max(ys[j] + 1, ys[j + 1]), out.height);
        if (y0 >= y1) continue;
        const std::uint32_t* row = t.px + j * kSide;
        for (int i = i0; i < i1; ++i) {
          if (!row[i]) continue;
          const std::int64_t x0 = std::max<std::int64_t>(xs[i], 0);
          const std::int64_t x1 = std::min<std::int64_t>(std::max(xs[i] + 1, xs[i + 1]), out.width);
          for (std::int64_t y = y0; y < y1; ++y)
            for (std::int64_t x = x0; x < x1; ++x)
              out.words[static_cast<std::size_t>(y) * out.stride + x] = row[i];
        }
      }
    };
    const std::int64_t inSight = (tx1 - tx0 + 1) * (ty1 - ty0 + 1);
    // A walk reads the whole table, a lookup a slot or two: for a band of a few tiles the lookups
    // win by far. Zoomed in on a layer its tiles cover pixels of their own, so the order they are
    // drawn in does not matter; zoomed out they share pixels and the choice stays as it was.
    const bool apart = same || zoom > l->zoom();
    const bool lookUp =
        apart ? inSight * 4 < static_cast<std::int64_t>(l->capacity()) : inSight < l->size();
    if (lookUp) {
      for (std::int64_t ty = ty0; ty <= ty1; ++ty)
        for (std::int64_t tx = tx0; tx <= tx1; ++tx)
          if (const TileLayer::Tile* t =
                  l->find(static_cast<std::int32_t>(tx), static_cast<std::int32_t>(ty)))
            draw(*t);
    } else {
      l->forEach(draw);
    }
  }
}

std::size_t MarkCanvas::boundBytes() {
  return kMaxTiles * sizeof(TileLayer::Tile) + kMaxLayers * TileLayer::tableBytes(kMaxTiles) +
         (kQueue + kBatch) * sizeof(Mark) + kMaxTiles * sizeof(TileLayer::Tile*) +
         kRecent * sizeof(Recent) + (std::size_t{1} << kSeenBits) * sizeof(Seen);
}

std::size_t MarkCanvas::bytes() const {
  return store_.size() * sizeof(TileLayer::Tile) +
         layers_.size() * TileLayer::tableBytes(kMaxTiles) +
         (queue_.capacity() + pending_.size()) * sizeof(Mark) +
         changed_.capacity() * sizeof(TileLayer::Tile*) + recent_.size() * sizeof(Recent) +
         seen_.size() * sizeof(Seen);
}

}  // namespace sw4
