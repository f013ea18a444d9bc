#pragma once
// The record panel, by what its controls are: the watched body's records and speed statistics,
// shown while paused or while "Min/Max Tag" is ticked. A view: every read goes to the control
// when it is made.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class RecordPanel {
 public:
  explicit RecordPanel(const Sim& sim);

  Control& bodyField() const;          // TXTOden, the watched body's number
  Control& aphelionCaption() const;    // La(5)
  Control& aphelionField() const;      // TXTp(5)
  Control& perihelionCaption() const;  // La(15)
  Control& perihelionField() const;    // TXTp(6)
  Control& watchBox() const;           // ChLim "Min/Max Tag"
  Control& lastChangeCaption() const;  // Label7
  Control& lastChangeLabel() const;    // Label8
  Control& differenceLabel() const;    // Label9 "% dif"
  Control& lowestSpeedLabel() const;   // LaVmin
  Control& speedLabel() const;         // LaVnow
  Control& highestSpeedLabel() const;  // LaVmax
  Control& speedRangeLabel() const;    // LavPer
  Control& countField() const;         // TXn, whose colour the records take when reset

 private:
  const Fs4& f_;
};

}  // namespace sw4
