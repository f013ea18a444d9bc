#pragma once
// The inspector's own pieces, wired together by wireInspector().
#include "platform/control.h"

namespace sw4 {

class Sim;

// The body a field names: its lenient or strict reading rounded half to even, or -1 when that is
// not a body number (0..999) or, strictly, not a number at all.
int bodyNamedLeniently(const Control& field);
int bodyNamedStrictly(const Control& field);

void wirePauseButton(Sim& sim);
void wireMarkerBlink(Sim& sim);
void wireEditorEvents(Sim& sim);

}  // namespace sw4
