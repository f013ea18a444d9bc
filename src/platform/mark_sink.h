#pragma once
#include <cstdint>

namespace sw4 {

// One mark drawn on the surface: a body's drawing position x, y in twips and the offset dx, dy
// in twips at the surface's own scale (so a mark keeps its size on screen when shown at another
// zoom), with its colour as a pixel word.
struct Mark {
  int x, y;
  std::int16_t dx, dy;
  std::uint32_t word;
};
static_assert(sizeof(Mark) == 16, "a mark is compared as two 64-bit words");

// Told of every mark as the drawing makes it, before the surface's own range checks, and of every
// time the surface's picture was replaced as a whole. The drawing calls it from its hot loop:
// an implementation must not allocate or block there.
class MarkSink {
 public:
  virtual void marks(const Mark* m, int count) = 0;
  void mark(const Mark& m) { marks(&m, 1); }
  // The surface's picture was replaced as a whole: `blank` after a clear or a new pixel ratio,
  // otherwise restored from a kept state (its pixels put back after this call).
  virtual void restarted(bool blank) = 0;

 protected:
  ~MarkSink() = default;
};

}  // namespace sw4
