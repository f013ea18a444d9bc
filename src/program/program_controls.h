#pragma once
// The controls the program itself uses (start-up, "Go", the tick and the gravity pass, clearing,
// the seed, "X"), by what they are. A view: every read goes to the control when it is made.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class ProgramControls {
 public:
  explicit ProgramControls(const Sim& sim);

  FormControls& form() const;  // every control, for New

  Control& goButton() const;            // Command2 "Go"
  Control& pauseButton() const;         // Command5 "Pause"
  Control& clearButton() const;         // Command4 "Clear"
  Control& exitButton() const;          // Command1 "X"
  ControlArray& presetButtons() const;  // CDp
  Control& screenHint() const;          // Label12, shown until "Go"
  Control& tickTimer() const;           // Ti
  Control& tickField() const;           // TXt "Tick ms"
  Control& tickCountLabel() const;      // Label11

  // The general parameter fields that "Go" reads.
  Control& constantField() const;       // TxTconstant, G
  ControlArray& gravityFields() const;  // TXg: 0 the sun, 1 giants, 2 the exponent, 3..5 others
  ControlArray& classFields() const;    // TXw: the last giant, waterworld and lunar body
  Control& countField() const;          // TXn
  Control& radiusField() const;         // Text1
  Control& momentumField() const;       // Text2
  Control& crustField() const;          // Text4
  Control& coreField() const;           // Text5
  Control& tagField() const;            // Text7

  Control& seedField() const;      // TXran
  Control& randomSeedBox() const;  // CHran "Random": the seed counts on while unticked
  Control& seedTimer() const;      // Tr
  Control& clearingBox() const;    // CHr "Auto C"
  Control& clearingField() const;  // TXref, its period in seconds
  Control& clearingTimer() const;  // Tiball

  Control& sunFixedBox() const;  // CHsol "Fixed"
  Control& spinBox() const;      // CHgod "Spin"
  Control& sunPicture() const;   // ImSun
  Control& moonPicture() const;  // ImMoon
  Control& bodyField() const;    // TXTOden, the watched body's number
  Control& starPanel() const;    // Frame7: while it shows, "Go" makes stars
  Control& starsButton() const;  // CDstar "Create Stars"

  // What the gravity pass reads for every pair.
  Control& spiralBox() const;      // ChSpi "Spiral"
  Control& binaryBox() const;      // Ch2 "Binary"
  Control& allOrbitBox() const;    // ChA "All Orb"
  Control& darkMatterBox() const;  // Chdark "DarkM "
  Control& watchBox() const;       // ChLim "Min/Max Tag"

 private:
  Fs4& f_;
};

}  // namespace sw4
