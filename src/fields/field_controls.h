#pragma once
// The general parameter fields, by what they hold. A view: every read goes to the control when it
// is made.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class FieldControls {
 public:
  explicit FieldControls(const Sim& sim);

  Control& constantField() const;  // TxTconstant, G
  // TXg: the gravity of the sun (0), the giants (1), water (3), lunar (4), asteroids (5); 2 the
  // exponent.
  ControlArray& gravityFields() const;
  ControlArray& classFields() const;  // TXw: the last giant, waterworld and lunar body
  Control& countField() const;        // TXn, the body count
  Control& radiusField() const;       // Text1, the planet radius
  Control& momentumField() const;     // Text2, the start momentum
  Control& crustField() const;        // Text4, the crust volatility
  Control& coreField() const;         // Text5, the solid core
  Control& tagField() const;          // Text7, the tagged body
  Control& starPanel() const;         // Frame7, hidden by a double-click
  Control& secondPanel() const;       // Frame8, hidden by a double-click

 private:
  const Fs4& f_;
};

}  // namespace sw4
