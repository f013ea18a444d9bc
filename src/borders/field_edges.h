#pragma once
#include <cmath>
#include <limits>

#include "model/sim.h"

namespace sw4 {

// A position as Single, for the right and bottom tests; beyond the Single range it is infinite.
inline float asSingle(double v) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (v > kMax) return std::numeric_limits<float>::infinity();
  if (v < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

// The playing field: 900 twips of control strip on the left, 300 at the bottom.
struct FieldEdges {
  explicit FieldEdges(const Sim& sim) : W(sim.W()), H(sim.H()), bottom(sim.H() - 300.0f) {}
  bool pastLeft(double x) const { return x < 900; }
  bool pastRight(double x) const { return asSingle(x) > W; }
  bool pastTop(double y) const { return y < 0; }
  bool pastBottom(double y) const { return asSingle(y) > bottom; }
  bool pastAny(double x, double y) const {
    return pastLeft(x) || pastRight(x) || pastTop(y) || pastBottom(y);
  }

  float W, H, bottom;
};

}  // namespace sw4
