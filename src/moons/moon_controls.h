#pragma once
// The controls the moon attempts use, by what they are. A view: every read goes to the control
// when it is made.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class MoonControls {
 public:
  explicit MoonControls(const Sim& sim);

  Control& lunarBox() const;       // CHLun "Lunar"
  Control& moonBox() const;        // ChMoon "Moon"
  Control& rangeField() const;     // Text8: how far from its parent, in planet radii
  Control& attemptsLabel() const;  // Lapollo
  Control& radiusField() const;    // Text1, the planet radius

 private:
  const Fs4& f_;
};

}  // namespace sw4
