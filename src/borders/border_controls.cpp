#include "borders/border_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

BorderControls::BorderControls(const Sim& sim) : f_(sim.form) {}

Control& BorderControls::option(BorderBehaviour b) const {
  return sw4::option(f_, b);
}

bool BorderControls::selected(BorderBehaviour b) const {
  return sw4::selected(f_, b);
}

std::optional<BorderBehaviour> BorderControls::behaviour() const {
  return selectedBorder(f_);
}

// clang-format off
ControlArray& BorderControls::options() const { return f_.Och; }
Control& BorderControls::lunarBox() const { return f_.CHLun; }
Control& BorderControls::moonBox() const { return f_.ChMoon; }
Control& BorderControls::spinBox() const { return f_.CHgod; }
Control& BorderControls::antiCircleBox() const { return f_.Check1; }
Control& BorderControls::momentumField() const { return f_.Text2; }
Control& BorderControls::moonAttemptsLabel() const { return f_.Lapollo; }
// clang-format on

}  // namespace sw4
