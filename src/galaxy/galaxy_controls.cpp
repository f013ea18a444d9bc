#include "galaxy/galaxy_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

GalaxyControls::GalaxyControls(const Sim& sim) : f_(sim.form) {}
GalaxyControls::GalaxyControls(const Fs4& f) : f_(f) {}

// clang-format off
Control& GalaxyControls::darkMatterBox() const { return f_.Chdark; }
Control& GalaxyControls::lunarToField() const { return f_.TXw(2); }
Control& GalaxyControls::countField() const { return f_.TXn; }
Control& GalaxyControls::gravityField() const { return f_.Text6; }
Control& GalaxyControls::momentumField() const { return f_.Text3; }
Control& GalaxyControls::tickTimer() const { return f_.Ti; }
Control& GalaxyControls::clearButton() const { return f_.Command4; }
// clang-format on

}  // namespace sw4
