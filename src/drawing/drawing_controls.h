#pragma once
// The controls the drawing reads, by what they are. A view: every read goes to the control when
// it is made.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class DrawingControls {
 public:
  explicit DrawingControls(const Sim& sim);

  Control& sunFixedBox() const;  // CHsol "Fixed"
  Control& colorBox() const;     // ChCol "Color": dots coloured by number, not by type
  Control& watchBox() const;     // ChLim "Min/Max Tag": the watched body is highlighted
  Control& giantsField() const;  // TXw(0), the last giant
  // Num of the class fields TXw(0) and TXw(1): the design default when a text is not a number.
  double giants() const;
  double waterworlds() const;

 private:
  const Fs4& f_;
};

}  // namespace sw4
