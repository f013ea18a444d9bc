#pragma once
// Pause mode: the body inspector and editor.
#include "platform/control.h"

namespace sw4 {

class Sim;

void Asgard(Sim& sim);          // loads the body named in TXTOden into the editor
void SetBody(Sim& sim, int n);  // fills the fields and scroll bars from body n
void Bifrost(Sim& sim);         // writes the five fields into the body named in TXTOden
void wireInspector(Sim& sim);   // all of the handlers below

// The inspector's own pieces.

// The body a field names: its lenient or strict reading rounded half to even, or -1 when that is
// not a body number (0..999) or, strictly, not a number at all.
int bodyNamedLeniently(const Control& field);
int bodyNamedStrictly(const Control& field);

void wirePauseButton(Sim& sim);
void wireMarkerBlink(Sim& sim);
void wireEditorEvents(Sim& sim);
void wireRecordsBox(Sim& sim);  // "Min/Max Tag"

}  // namespace sw4
