#include "model/body_kind.h"

#include "model/fs4.h"

namespace sw4 {

BodyKind bodyKindOf(const Fs4& f, int i) {
  if (i <= f.TXw(0).lenient()) return BodyKind::Giant;
  if (i <= f.TXw(1).lenient()) return BodyKind::Waterworld;
  if (i <= f.TXw(2).lenient()) return BodyKind::Lunar;
  return BodyKind::Asteroid;
}

Control& gravityFieldOf(const Fs4& f, BodyKind k) {
  static constexpr int kField[] = {0, 1, 3, 4, 5};
  return f.TXg(kField[static_cast<int>(k)]);
}

}  // namespace sw4
