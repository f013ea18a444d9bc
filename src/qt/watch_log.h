#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "observation/orbit_numbers.h"

namespace sw4 {

struct World;

// The watched body at the end of one tick; energy and angular momentum about the sun are NaN
// where they are not defined.
struct WatchSample {
  std::int32_t tick = 0;
  double distance = 0, speed = 0, aphelion = 0, perihelion = 0;
  double energy = 0, angularMomentum = 0;
};

// The watched body's course over the last ticks, for the plot. It starts anew when the watched
// body changes or a tick does not follow the last one: the count went back (a pause, a layout,
// New) or ticks went by unseen (the plot was closed).
class WatchLog {
 public:
  static constexpr std::size_t kCapacity = 10000;

  // This tick's values, with the body's orbit about the sun; nothing when the watched number
  // names no body.
  void record(const World& w, const OrbitNumbers& orbit = {});
  void clear();

  std::size_t size() const { return size_; }
  const WatchSample& operator[](std::size_t i) const {  // oldest first
    return ring_[(start_ + i) % kCapacity];
  }
  int body() const { return body_; }
  // Moves on with every change, so a view knows when to redraw.
  unsigned long version() const { return version_; }

 private:
  std::vector<WatchSample> ring_ = std::vector<WatchSample>(kCapacity);
  std::size_t start_ = 0, size_ = 0;
  int body_ = -1;
  unsigned long version_ = 0;
};

// One body of the rotation curve: its distance from the sun and its speed.
struct CurvePoint {
  double distance = 0, speed = 0;
  bool dark = false;  // one of the dark-matter range
};

// Every living planet of the system, the bodies firstDark..lastDark marked.
std::vector<CurvePoint> rotationCurve(const World& w, int firstDark, int lastDark);

// The curve through the points that are not dark matter: their median speed in each of `bins`
// equal stretches of distance from the sun out to the farthest; a stretch of fewer than
// `atLeast` bodies is left out. The median, so that a body flung off by a close pass does not
// lift a whole stretch.
std::vector<CurvePoint> medianSpeedCurve(const std::vector<CurvePoint>& points, int bins,
                                         std::size_t atLeast);

}  // namespace sw4
