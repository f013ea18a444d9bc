#include "qt/watch_log.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "model/world.h"

namespace sw4 {

namespace {

double speedOf(const World& w, int i) {
  return std::sqrt(w.MomentumX[i] * w.MomentumX[i] + w.MomentumY[i] * w.MomentumY[i]);
}

}  // namespace

void WatchLog::record(const World& w, const OrbitNumbers& orbit) {
  const int n = w.InspectedPlanet;
  if (!isBody(n)) return;
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  const WatchSample s{w.TickCount,
                      w.PlanetDistance,
                      speedOf(w, n),
                      w.Aphelion,
                      w.Perihelion,
                      orbit.energy.value_or(kNone),
                      orbit.angularMomentum.value_or(kNone)};
  if (!std::isfinite(s.distance) || !std::isfinite(s.speed)) return;
  if (n != body_ || (size_ > 0 && s.tick != (*this)[size_ - 1].tick + 1)) {
    clear();
    body_ = n;
  }
  if (size_ < kCapacity) {
    ring_[(start_ + size_++) % kCapacity] = s;
  } else {
    ring_[start_] = s;
    start_ = (start_ + 1) % kCapacity;
  }
  ++version_;
}

void WatchLog::clear() {
  start_ = size_ = 0;
  body_ = -1;
  ++version_;
}

std::vector<CurvePoint> rotationCurve(const World& w, int firstDark, int lastDark) {
  std::vector<CurvePoint> points;
  const int last = std::min<int>(w.TotalPlanets, kMaxBody);
  for (int i = 1; i <= last; ++i) {
    if (w.PlanetOff[i] != 0) continue;
    const double d = std::hypot(w.PlanetX[i] - w.PlanetX[0], w.PlanetY[i] - w.PlanetY[0]);
    const double v = speedOf(w, i);
    if (std::isfinite(d) && std::isfinite(v))
      points.push_back({d, v, i >= firstDark && i <= lastDark});
  }
  return points;
}

std::vector<CurvePoint> medianSpeedCurve(const std::vector<CurvePoint>& points, int bins,
                                         std::size_t atLeast) {
  double far = 0;
  for (const CurvePoint& p : points)
    if (!p.dark) far = std::max(far, p.distance);
  std::vector<CurvePoint> curve;
  if (far <= 0 || bins <= 0) return curve;
  std::vector<std::vector<double>> speeds(static_cast<std::size_t>(bins));
  for (const CurvePoint& p : points) {
    if (p.dark) continue;
    const auto b = std::min(static_cast<std::size_t>(p.distance / far * bins), speeds.size() - 1);
    speeds[b].push_back(p.speed);
  }
  for (std::size_t b = 0; b < speeds.size(); ++b) {
    std::vector<double>& v = speeds[b];
    if (v.empty() || v.size() < atLeast) continue;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    double median = *mid;
    if (v.size() % 2 == 0) median = (median + *std::max_element(v.begin(), mid)) / 2;
    curve.push_back({(static_cast<double>(b) + 0.5) * far / bins, median, false});
  }
  return curve;
}

}  // namespace sw4
