#include "drawing/drawing_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

namespace {

double classNumber(const Control& c, double fallback) {
  return c.strictOk() ? c.strict() : fallback;
}

}  // namespace

DrawingControls::DrawingControls(const Sim& sim) : f_(sim.form) {}

// clang-format off
Control& DrawingControls::sunFixedBox() const { return f_.CHsol; }
Control& DrawingControls::colorBox() const { return f_.ChCol; }
Control& DrawingControls::watchBox() const { return f_.ChLim; }
Control& DrawingControls::giantsField() const { return f_.TXw(0); }
// clang-format on

double DrawingControls::giants() const {
  return classNumber(f_.TXw(0), 2);
}

double DrawingControls::waterworlds() const {
  return classNumber(f_.TXw(1), 102);
}

}  // namespace sw4
