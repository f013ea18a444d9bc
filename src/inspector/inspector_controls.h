#pragma once
// The controls of pause mode, the inspector and the editor, by what they are. A view: every read
// goes to the control when it is made. The record panel is observation/record_panel.h.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class InspectorControls {
 public:
  explicit InspectorControls(const Sim& sim);

  Control& pauseButton() const;  // Command5 "Pause"
  Control& tickTimer() const;    // Ti
  Control& blinkTimer() const;   // TiF, the marker's blink
  Control& marker() const;       // Shark, round the inspected body

  Control& bodyField() const;     // TXTOden, the inspected body's number
  Control& bodyCaption() const;   // La(0), which loads the body when clicked
  Control& bodyScroll() const;    // Qui, through the body numbers
  Control& typeField() const;     // TxTyp
  Control& typeCaption() const;   // La(16)
  Control& planetSwitch() const;  // Chon, the body on or off

  // TXTp: 0..4 the body's X, Y, momenta and gravity; 5 and 6 the records.
  ControlArray& fields() const;
  ControlArray& fieldCaptions() const;  // Label6(0..4)
  ControlArray& scrollBars() const;     // Hsp(0..3), beside the first four fields
  Control& numMode() const;             // Opadd(0) "num": the fields are typed into
  Control& visualMode() const;          // Opadd(1) "visual": the scroll bars drive them
  Control& modeFrame() const;           // Frame2, round the modes

  Control& countField() const;     // TXn
  Control& sunFixedBox() const;    // CHsol "Fixed"
  Control& sunPicture() const;     // ImSun
  Control& coreField() const;      // Text5
  Control& coreCaption() const;    // La(2), which copies the radius into the core
  Control& radiusField() const;    // Text1
  Control& radiusCaption() const;  // La(3), which copies the core into the radius

 private:
  const Fs4& f_;
};

}  // namespace sw4
