#include "moons/moon_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

MoonControls::MoonControls(const Sim& sim) : f_(sim.form) {}

// clang-format off
Control& MoonControls::lunarBox() const { return f_.CHLun; }
Control& MoonControls::moonBox() const { return f_.ChMoon; }
Control& MoonControls::rangeField() const { return f_.Text8; }
Control& MoonControls::attemptsLabel() const { return f_.Lapollo; }
Control& MoonControls::radiusField() const { return f_.Text1; }
// clang-format on

}  // namespace sw4
