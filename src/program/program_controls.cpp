#include "program/program_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

ProgramControls::ProgramControls(const Sim& sim) : f_(sim.form) {}

// clang-format off
FormControls& ProgramControls::form() const { return f_; }
Control& ProgramControls::goButton() const { return f_.Command2; }
Control& ProgramControls::pauseButton() const { return f_.Command5; }
Control& ProgramControls::clearButton() const { return f_.Command4; }
Control& ProgramControls::exitButton() const { return f_.Command1; }
ControlArray& ProgramControls::presetButtons() const { return f_.CDp; }
Control& ProgramControls::screenHint() const { return f_.Label12; }
Control& ProgramControls::tickTimer() const { return f_.Ti; }
Control& ProgramControls::tickField() const { return f_.TXt; }
Control& ProgramControls::tickCountLabel() const { return f_.Label11; }
Control& ProgramControls::constantField() const { return f_.TxTconstant; }
ControlArray& ProgramControls::gravityFields() const { return f_.TXg; }
ControlArray& ProgramControls::classFields() const { return f_.TXw; }
Control& ProgramControls::countField() const { return f_.TXn; }
Control& ProgramControls::radiusField() const { return f_.Text1; }
Control& ProgramControls::momentumField() const { return f_.Text2; }
Control& ProgramControls::crustField() const { return f_.Text4; }
Control& ProgramControls::coreField() const { return f_.Text5; }
Control& ProgramControls::tagField() const { return f_.Text7; }
Control& ProgramControls::seedField() const { return f_.TXran; }
Control& ProgramControls::randomSeedBox() const { return f_.CHran; }
Control& ProgramControls::seedTimer() const { return f_.Tr; }
Control& ProgramControls::clearingBox() const { return f_.CHr; }
Control& ProgramControls::clearingField() const { return f_.TXref; }
Control& ProgramControls::clearingTimer() const { return f_.Tiball; }
Control& ProgramControls::sunFixedBox() const { return f_.CHsol; }
Control& ProgramControls::spinBox() const { return f_.CHgod; }
Control& ProgramControls::sunPicture() const { return f_.ImSun; }
Control& ProgramControls::moonPicture() const { return f_.ImMoon; }
Control& ProgramControls::bodyField() const { return f_.TXTOden; }
Control& ProgramControls::starPanel() const { return f_.Frame7; }
Control& ProgramControls::starsButton() const { return f_.CDstar; }
Control& ProgramControls::spiralBox() const { return f_.ChSpi; }
Control& ProgramControls::binaryBox() const { return f_.Ch2; }
Control& ProgramControls::allOrbitBox() const { return f_.ChA; }
Control& ProgramControls::darkMatterBox() const { return f_.Chdark; }
Control& ProgramControls::watchBox() const { return f_.ChLim; }
// clang-format on

}  // namespace sw4
