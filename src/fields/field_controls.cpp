#include "fields/field_controls.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

FieldControls::FieldControls(const Sim& sim) : f_(sim.form) {}

// clang-format off
Control& FieldControls::constantField() const { return f_.TxTconstant; }
ControlArray& FieldControls::gravityFields() const { return f_.TXg; }
ControlArray& FieldControls::classFields() const { return f_.TXw; }
Control& FieldControls::countField() const { return f_.TXn; }
Control& FieldControls::radiusField() const { return f_.Text1; }
Control& FieldControls::momentumField() const { return f_.Text2; }
Control& FieldControls::crustField() const { return f_.Text4; }
Control& FieldControls::coreField() const { return f_.Text5; }
Control& FieldControls::tagField() const { return f_.Text7; }
Control& FieldControls::starPanel() const { return f_.Frame7; }
Control& FieldControls::secondPanel() const { return f_.Frame8; }
// clang-format on

}  // namespace sw4
