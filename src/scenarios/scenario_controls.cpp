#include "scenarios/scenario_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

ScenarioControls::ScenarioControls(const Sim& sim) : f_(sim.form) {}

// clang-format off
Control& ScenarioControls::orbitsFrame() const { return f_.Frame6; }
Control& ScenarioControls::spiralBox() const { return f_.ChSpi; }
Control& ScenarioControls::galaxyBox() const { return f_.ChGal; }
Control& ScenarioControls::binaryBox() const { return f_.Ch2; }
Control& ScenarioControls::circleBox() const { return f_.ChCir; }
Control& ScenarioControls::antiCircleBox() const { return f_.Check1; }
Control& ScenarioControls::allOrbitBox() const { return f_.ChA; }
Control& ScenarioControls::perfectBox() const { return f_.Chperf; }
Control& ScenarioControls::allAliveBox() const { return f_.CHall; }
Control& ScenarioControls::starsButton() const { return f_.CDstar; }
Control& ScenarioControls::twinRatioField() const { return f_.TXspibi; }
Control& ScenarioControls::advanceField() const { return f_.Text9; }
Control& ScenarioControls::gapField() const { return f_.Text10; }
Control& ScenarioControls::momentumField() const { return f_.Text11; }
Control& ScenarioControls::gPiField() const { return f_.TXTdec; }
Control& ScenarioControls::countField() const { return f_.TXn; }
Control& ScenarioControls::sunGravityField() const { return f_.TXg(0); }
Control& ScenarioControls::giantGravityField() const { return f_.TXg(1); }
Control& ScenarioControls::tickTimer() const { return f_.Ti; }
Control& ScenarioControls::clearButton() const { return f_.Command4; }
ControlArray& ScenarioControls::presetButtons() const { return f_.CDp; }
const FormControls& ScenarioControls::form() const { return f_; }
// clang-format on

}  // namespace sw4
