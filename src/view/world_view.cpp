#include "view/world_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/sim.h"
#include "model/world.h"

namespace sw4 {

namespace {

double heldZoom(double z) {
  if (!(z > 0)) return 1.0;
  z = std::clamp(z, WorldView::kMinZoom, WorldView::kMaxZoom);
  return std::fabs(z - 1.0) < 1e-9 ? 1.0 : z;
}

// A centre far beyond any place a mark can be drawn is no use; held so the sums stay finite.
double heldCentre(double c) {
  constexpr double kFar = 4e9;
  return std::isfinite(c) ? std::clamp(c, -kFar, kFar) : 0.0;
}

// The drawing area's edge: a shade between the background and white.
std::uint32_t frameWord(Color back) {
  const auto mix = [](int c) { return c + (255 - c) / 6; };
  return Surface::toWord(rgb(mix(redOf(back)), mix(greenOf(back)), mix(blueOf(back))));
}

}  // namespace

WorldView::WorldView(Sim& sim) : sim_(sim) {}

WorldView::~WorldView() {
  listen(false);
}

double WorldView::pixelsPerTwip() const {
  return sim_.surface.devicePixelRatio() / Surface::kTwipsPerLogicalPixel;
}

bool WorldView::following() const {
  const World& w = sim_.world;
  return followed_ >= 0 && w.PlanetOff[followed_] == 0 && std::isfinite(w.PlanetX[followed_]) &&
         std::isfinite(w.PlanetY[followed_]);
}

double WorldView::centreX() const {
  if (classic_) return sim_.widthTwips() / 2.0;
  return following() ? heldCentre(sim_.world.PlanetX[followed_]) : cx_;
}

double WorldView::centreY() const {
  if (classic_) return sim_.heightTwips() / 2.0;
  return following() ? heldCentre(sim_.world.PlanetY[followed_]) : cy_;
}

void WorldView::listen(bool on) {
  if (on == (canvas_ != nullptr)) return;
  if (on) {
    canvas_ = std::make_unique<MarkCanvas>(sim_.surface);
    canvas_->seed();
    sim_.surface.setMarkSink(canvas_.get());
    tickHook_ = sim_.tickDone.add([this] { tickDone(); });
  } else {
    sim_.tickDone.remove(tickHook_);
    sim_.surface.setMarkSink(nullptr);
    canvas_.reset();
  }
}

void WorldView::update() {
  listen(!classic_ || keepWorld_);
  if (canvas_) canvas_->setZoom(zoom());
}

void WorldView::tickDone() {
  cx_ = centreX();
  cy_ = centreY();
  canvas_->settle(cx_, cy_);
}

void WorldView::setClassic() {
  classic_ = true;
  followed_ = -1;
  zoom_ = 1.0;
  update();
}

void WorldView::setView(double zoom, double x, double y) {
  zoom_ = heldZoom(zoom);
  cx_ = heldCentre(x);
  cy_ = heldCentre(y);
  followed_ = -1;
  classic_ = zoom_ == 1.0 && std::fabs(cx_ - sim_.widthTwips() / 2.0) <= 0.5 &&
             std::fabs(cy_ - sim_.heightTwips() / 2.0) <= 0.5;
  update();
}

void WorldView::follow(int body) {
  follow(body, zoom());
}

void WorldView::follow(int body, double zoom) {
  cx_ = centreX();
  cy_ = centreY();
  zoom_ = heldZoom(zoom);
  followed_ = body >= 0 && body < kBodySlots ? body : -1;
  classic_ = false;
  update();
}

void WorldView::fit() {
  const World& w = sim_.world;
  double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
  for (int b = 0; b <= std::min<int>(w.TotalPlanets, kMaxBody); ++b) {
    if (w.PlanetOff[b] != 0 || !std::isfinite(w.PlanetX[b]) || !std::isfinite(w.PlanetY[b]))
      continue;
    x0 = std::min(x0, w.PlanetX[b]), x1 = std::max(x1, w.PlanetX[b]);
    y0 = std::min(y0, w.PlanetY[b]), y1 = std::max(y1, w.PlanetY[b]);
  }
  if (!(x0 <= x1)) return setClassic();
  // A margin of a tenth each side, and never closer than a sixteenth of the area.
  const double width = std::max((x1 - x0) * 1.2, sim_.widthTwips() / 16.0);
  const double height = std::max((y1 - y0) * 1.2, sim_.heightTwips() / 16.0);
  const double z = std::min(sim_.widthTwips() / width, sim_.heightTwips() / height);
  setView(z, (x0 + x1) / 2, (y0 + y1) / 2);
}

void WorldView::zoomAbout(double factor, double px, double py, int width, int height) {
  if (!(factor > 0)) return;
  const double z = heldZoom(zoom() * factor);
  if (followed_ >= 0) return follow(followed_, z);
  const double s = z * pixelsPerTwip();
  const double x = worldX(px, width) - (px - width / 2.0) / s;
  const double y = worldY(py, height) - (py - height / 2.0) / s;
  setView(z, x, y);
}

void WorldView::panBy(double dx, double dy) {
  const double s = zoom() * pixelsPerTwip();
  setView(zoom(), centreX() - dx / s, centreY() - dy / s);
}

void WorldView::keepWorld(bool on) {
  keepWorld_ = on;
  update();
}

// Output pixel X shows view pixel X + origin; at zoom 1 centred on the middle of the drawing
// area, the origin is 0 for every size of the area, as the surface's pixels are.
std::int64_t WorldView::origin(double centre, int size) const {
  return TileLayer::floorHeld(centre * zoom() * pixelsPerTwip() - size / 2.0 + 0.5);
}

double WorldView::worldX(double px, int width) const {
  return (px + static_cast<double>(origin(centreX(), width))) / (zoom() * pixelsPerTwip());
}
double WorldView::worldY(double py, int height) const {
  return (py + static_cast<double>(origin(centreY(), height))) / (zoom() * pixelsPerTwip());
}
double WorldView::screenX(double x, int width) const {
  return x * zoom() * pixelsPerTwip() - static_cast<double>(origin(centreX(), width));
}
double WorldView::screenY(double y, int height) const {
  return y * zoom() * pixelsPerTwip() - static_cast<double>(origin(centreY(), height));
}

int WorldView::bodyAt(double px, double py, int width, int height, double radius) const {
  const World& w = sim_.world;
  int best = -1;
  double bestDistance = radius * radius;
  for (int b = 0; b <= std::min<int>(w.TotalPlanets, kMaxBody); ++b) {
    if (w.PlanetOff[b] != 0) continue;
    const double dx = screenX(w.PlanetX[b], width) - px;
    const double dy = screenY(w.PlanetY[b], height) - py;
    const double d = dx * dx + dy * dy;
    if (d <= bestDistance) best = b, bestDistance = d;
  }
  return best;
}

void WorldView::render(const PixelTarget& out) {
  render(out, 0, 0, out.width, out.height);
}

void WorldView::render(const PixelTarget& out, int partX, int partY, int width, int height) {
  const Surface& s = sim_.surface;
  if (classic_ && width == s.widthPixels() && height == s.heightPixels()) {
    for (int y = 0; y < out.height; ++y)
      std::copy_n(s.data() + static_cast<std::size_t>(y + partY) * s.stride() + partX, out.width,
                  out.words + static_cast<std::size_t>(y) * out.stride);
    return;
  }
  const std::uint32_t back = Surface::toWord(s.background());
  for (int y = 0; y < out.height; ++y)
    std::fill_n(out.words + static_cast<std::size_t>(y) * out.stride, out.width, back);
  const std::int64_t ox = origin(centreX(), width) + partX;
  const std::int64_t oy = origin(centreY(), height) + partY;
  // The frame just outside the drawing area.
  const double scale = zoom() * pixelsPerTwip();
  const std::int64_t left = -1 - ox, top = -1 - oy;
  const std::int64_t right = static_cast<std::int64_t>(std::ceil(sim_.widthTwips() * scale)) - ox;
  const std::int64_t bottom = static_cast<std::int64_t>(std::ceil(sim_.heightTwips() * scale)) - oy;
  const std::uint32_t frame = frameWord(s.background());
  auto put = [&](std::int64_t x, std::int64_t y) {
    if (x >= 0 && y >= 0 && x < out.width && y < out.height)
      out.words[static_cast<std::size_t>(y) * out.stride + x] = frame;
  };
  for (std::int64_t x = std::max<std::int64_t>(left, 0);
       x <= std::min<std::int64_t>(right, out.width - 1); ++x)
    put(x, top), put(x, bottom);
  for (std::int64_t y = std::max<std::int64_t>(top, 0);
       y <= std::min<std::int64_t>(bottom, out.height - 1); ++y)
    put(left, y), put(right, y);
  if (!canvas_) {
    // Classic at another size: keep the world from here on.
    keepWorld(true);
  }
  canvas_->settle(cx_, cy_);
  canvas_->render(out, zoom(), ox, oy);
}

std::vector<std::uint32_t> WorldView::render(int width, int height) {
  std::vector<std::uint32_t> words(static_cast<std::size_t>(std::max(width, 0)) *
                                   std::max(height, 0));
  render(PixelTarget{words.data(), width, height, width});
  return words;
}

std::size_t WorldView::memoryBytes() const {
  return sizeof(*this) + (canvas_ ? canvas_->bytes() : 0);
}

}  // namespace sw4
