#pragma once
// The controls the border behaviours and the replacement of lost bodies use, by what they are.
// A view: every read goes to the control when it is made.
#include <optional>

#include "model/form_controls.h"
#include "model/options.h"

namespace sw4 {

class Fs4;
class Sim;

class BorderControls {
 public:
  explicit BorderControls(const Sim& sim);

  ControlArray& options() const;  // Och, one button for each behaviour
  Control& option(BorderBehaviour b) const;
  bool selected(BorderBehaviour b) const;
  // The behaviour in force (selectedBorder); none when no button is selected.
  std::optional<BorderBehaviour> behaviour() const;

  // What brings a lost body back.
  Control& lunarBox() const;           // CHLun "Lunar"
  Control& moonBox() const;            // ChMoon "Moon"
  Control& spinBox() const;            // CHgod "Spin"
  Control& antiCircleBox() const;      // Check1 "Anti-ci"
  Control& momentumField() const;      // Text2, the start momentum
  Control& moonAttemptsLabel() const;  // Lapollo

 private:
  const Fs4& f_;
};

}  // namespace sw4
