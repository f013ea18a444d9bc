#pragma once
// A body's kind by its number: the class fields give the highest number of each kind.
#include "model/fs4.h"

namespace sw4 {

enum class BodyKind { Sun = 0, Giant = 1, Waterworld = 2, Lunar = 3, Asteroid = 4 };

// The kind of body i (1 and up), reading the class fields TXw(0..2) leniently.
inline BodyKind bodyKindOf(const Fs4& f, int i) {
  if (i <= f.TXw(0).lenient()) return BodyKind::Giant;
  if (i <= f.TXw(1).lenient()) return BodyKind::Waterworld;
  if (i <= f.TXw(2).lenient()) return BodyKind::Lunar;
  return BodyKind::Asteroid;
}

// The gravity field of a kind (TXg(2) is the exponent, not a kind's gravity).
inline Control& gravityFieldOf(const Fs4& f, BodyKind k) {
  static constexpr int kField[] = {0, 1, 3, 4, 5};
  return f.TXg(kField[static_cast<int>(k)]);
}

}  // namespace sw4
