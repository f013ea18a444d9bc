#pragma once
// The controls the contacts and the sun and planet switches use, by what they are. A view: every
// read goes to the control when it is made.
#include "model/form_controls.h"
#include "model/options.h"

namespace sw4 {

class Fs4;
class Sim;

class ContactControls {
 public:
  explicit ContactControls(const Sim& sim);

  // OpCollide: what two cores in contact do (selectedCollision).
  CollisionMode collision() const;

  Control& sunFixedBox() const;   // CHsol "Fixed"
  Control& sunPicture() const;    // ImSun
  Control& bodyField() const;     // TXTOden, the inspected body's number
  Control& planetSwitch() const;  // Chon, the inspected body on or off
  Control& marker() const;        // Shark, round the inspected body

 private:
  const Fs4& f_;
};

}  // namespace sw4
