#include "observation/record_panel.h"

#include "model/fs4.h"
#include "model/sim.h"

namespace sw4 {

RecordPanel::RecordPanel(const Sim& sim) : f_(sim.form) {}

// clang-format off
Control& RecordPanel::bodyField() const { return f_.TXTOden; }
Control& RecordPanel::aphelionCaption() const { return f_.La(5); }
Control& RecordPanel::aphelionField() const { return f_.TXTp(5); }
Control& RecordPanel::perihelionCaption() const { return f_.La(15); }
Control& RecordPanel::perihelionField() const { return f_.TXTp(6); }
Control& RecordPanel::watchBox() const { return f_.ChLim; }
Control& RecordPanel::lastChangeCaption() const { return f_.Label7; }
Control& RecordPanel::lastChangeLabel() const { return f_.Label8; }
Control& RecordPanel::differenceLabel() const { return f_.Label9; }
Control& RecordPanel::lowestSpeedLabel() const { return f_.LaVmin; }
Control& RecordPanel::speedLabel() const { return f_.LaVnow; }
Control& RecordPanel::highestSpeedLabel() const { return f_.LaVmax; }
Control& RecordPanel::speedRangeLabel() const { return f_.LavPer; }
Control& RecordPanel::countField() const { return f_.TXn; }
// clang-format on

}  // namespace sw4
