#pragma once
// A body's orbit about the sun in numbers, from its place and motion relative to the sun.
#include <optional>

namespace sw4 {

// Where a body is and how it moves relative to the sun, in the world's units.
struct RelativeMotion {
  double x = 0, y = 0;    // twips, y growing downwards
  double vx = 0, vy = 0;  // twips a tick
  // The pull toward the sun at distance r is mu / r^exponent.
  double mu = 0;
  double exponent = 2;
};

// Each number is empty where it is not defined: no semi-major axis or period of an open orbit,
// none of the three for an exponent other than 2, no energy at the sun's own place.
struct OrbitNumbers {
  std::optional<double> distance, speed;
  // v^2/2 plus the potential of the pull: -mu / ((n-1) r^(n-1)), or mu ln r for n = 1.
  std::optional<double> energy;
  std::optional<double> angularMomentum;  // x vy - y vx
  std::optional<double> semiMajorAxis, eccentricity;
  std::optional<double> period;  // ticks, by Kepler's third law
};

OrbitNumbers orbitNumbers(const RelativeMotion& m);

}  // namespace sw4
