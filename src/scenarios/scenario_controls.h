#pragma once
// The controls the layouts, presets and star making use, by what they are: mostly the "Orbits"
// frame. A view: every read goes to the control when it is made.
#include "model/form_controls.h"

namespace sw4 {

class Fs4;
class Sim;

class ScenarioControls {
 public:
  explicit ScenarioControls(const Sim& sim);

  Control& orbitsFrame() const;  // Frame6 "Orbits", which widens and narrows on a click
  // The layout boxes.
  Control& spiralBox() const;      // ChSpi "Spiral"
  Control& galaxyBox() const;      // ChGal "Galaxy"
  Control& binaryBox() const;      // Ch2 "Binary"
  Control& circleBox() const;      // ChCir "Circle"
  Control& antiCircleBox() const;  // Check1 "Anti-ci"
  Control& allOrbitBox() const;    // ChA "All Orb"
  Control& perfectBox() const;     // Chperf "hm"
  Control& allAliveBox() const;    // CHall "All": every body placed comes back alive
  Control& starsButton() const;    // CDstar "Create Stars", which counts the stars made
  // What the layouts read.
  Control& twinRatioField() const;      // TXspibi, the twins' distance ratio
  Control& advanceField() const;        // Text9, the spiralled advance
  Control& gapField() const;            // Text10, the gap before the first planet in %
  Control& momentumField() const;       // Text11, the layouts' start momentum
  Control& gPiField() const;            // TXTdec "G Pi"
  Control& countField() const;          // TXn
  Control& sunGravityField() const;     // TXg(0)
  Control& giantGravityField() const;   // TXg(1)
  Control& tickTimer() const;           // Ti: a layout runs only while the tick does
  Control& clearButton() const;         // Command4 "Clear"
  ControlArray& presetButtons() const;  // CDp, "1" to "8"
  const FormControls& form() const;     // every control, for the preset table's ids

 private:
  const Fs4& f_;
};

}  // namespace sw4
