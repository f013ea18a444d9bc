#pragma once
// The controls the dark-matter ring uses, by what they are. A view: every read goes to the
// control when it is made.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class GalaxyControls {
 public:
  explicit GalaxyControls(const Sim& sim);
  explicit GalaxyControls(const Fs4& f);

  Control& darkMatterBox() const;  // Chdark "DarkM "
  Control& lunarToField() const;   // TXw(2), the last lunar body: dark matter comes after it
  Control& countField() const;     // TXn
  Control& gravityField() const;   // Text6, dark matter's gravity
  Control& momentumField() const;  // Text3, dark matter's start momentum
  Control& tickTimer() const;      // Ti
  Control& clearButton() const;    // Command4 "Clear"

 private:
  const Fs4& f_;
};

}  // namespace sw4
