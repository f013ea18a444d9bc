#include "inspector/inspector_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

InspectorControls::InspectorControls(const Sim& sim) : f_(sim.form) {}

// clang-format off
Control& InspectorControls::pauseButton() const { return f_.Command5; }
Control& InspectorControls::tickTimer() const { return f_.Ti; }
Control& InspectorControls::blinkTimer() const { return f_.TiF; }
Control& InspectorControls::marker() const { return f_.Shark; }
Control& InspectorControls::bodyField() const { return f_.TXTOden; }
Control& InspectorControls::bodyCaption() const { return f_.La(0); }
Control& InspectorControls::bodyScroll() const { return f_.Qui; }
Control& InspectorControls::typeField() const { return f_.TxTyp; }
Control& InspectorControls::typeCaption() const { return f_.La(16); }
Control& InspectorControls::planetSwitch() const { return f_.Chon; }
ControlArray& InspectorControls::fields() const { return f_.TXTp; }
ControlArray& InspectorControls::fieldCaptions() const { return f_.Label6; }
ControlArray& InspectorControls::scrollBars() const { return f_.Hsp; }
Control& InspectorControls::numMode() const { return f_.Opadd(0); }
Control& InspectorControls::visualMode() const { return f_.Opadd(1); }
Control& InspectorControls::modeFrame() const { return f_.Frame2; }
Control& InspectorControls::countField() const { return f_.TXn; }
Control& InspectorControls::sunFixedBox() const { return f_.CHsol; }
Control& InspectorControls::sunPicture() const { return f_.ImSun; }
Control& InspectorControls::coreField() const { return f_.Text5; }
Control& InspectorControls::coreCaption() const { return f_.La(2); }
Control& InspectorControls::radiusField() const { return f_.Text1; }
Control& InspectorControls::radiusCaption() const { return f_.La(3); }
// clang-format on

}  // namespace sw4
