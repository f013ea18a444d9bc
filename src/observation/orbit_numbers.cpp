#include "observation/orbit_numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sw4 {

namespace {

std::optional<double> finite(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

// The potential energy a unit of the body's gravity has at distance r; NaN or an infinity where
// there is none.
double potential(double mu, double n, double r) {
  if (mu == 0) return 0;
  if (n == 1) return mu * std::log(r);
  return -mu / ((n - 1) * std::pow(r, n - 1));
}

}  // namespace

OrbitNumbers orbitNumbers(const RelativeMotion& m) {
  OrbitNumbers o;
  const double r = std::hypot(m.x, m.y);
  const double v = std::hypot(m.vx, m.vy);
  o.distance = finite(r);
  o.speed = finite(v);
  o.angularMomentum = finite(m.x * m.vy - m.y * m.vx);
  o.energy = finite(v * v / 2 + potential(m.mu, m.exponent, r));
  if (m.exponent != 2 || m.mu == 0 || !o.energy || !o.angularMomentum) return o;
  const double e = *o.energy, h = *o.angularMomentum;
  o.eccentricity = finite(std::sqrt(std::max(0.0, 1 + 2 * e * h * h / (m.mu * m.mu))));
  if (e < 0 && m.mu > 0) {
    const double a = -m.mu / (2 * e);
    o.semiMajorAxis = finite(a);
    o.period = finite(2 * std::numbers::pi * std::sqrt(a * a * a / m.mu));
  }
  return o;
}

}  // namespace sw4
