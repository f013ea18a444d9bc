// The editor's controls: the four scroll bars Hsp, the mode options Opadd, leaving a field TXTp
// or the body number TXTOden, and the captions La that act as buttons.
#include <string>

#include "inspector/inspector.h"
#include "inspector/inspector_controls.h"
#include "model/sim.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

void scrolled(Sim& sim, int k) {
  const InspectorControls inspector(sim);
  if (!inspector.visualMode().selected()) return;
  inspector.fields()(k).setText(std::to_string(inspector.scrollBars()(k).value()));
  Bifrost(sim);
  Asgard(sim);
}

// "num" lets the four fields be typed into; "visual" shows the scroll bars and makes the fields
// read-only while the bars drive them.
void modeChosen(const InspectorControls& inspector, bool visual) {
  for (int k = 0; k <= 3; ++k) {
    inspector.scrollBars()(k).setVisible(visual);
    inspector.fields()(k).setLocked(visual);
    inspector.fields()(k).setVisible(true);
  }
}

bool corrected(Control& field, const std::string& text) {
  field.setText(text);
  return true;
}

// Corrects the first field out of its limits; true when one was corrected.
bool correctFirstOutOfLimits(Sim& sim) {
  const ControlArray& fields = InspectorControls(sim).fields();
  const double x = fields(0).lenient(), y = fields(1).lenient();
  if (x < 0) return corrected(fields(0), "0");
  if (y < 0) return corrected(fields(1), "0");
  if (x > sim.W()) return corrected(fields(0), formatG(sim.W()));
  if (y > sim.H()) return corrected(fields(1), formatG(sim.H()));
  for (int k : {2, 3}) {
    const double m = fields(k).lenient();
    if (m < -200) return corrected(fields(k), "-200");
    if (m > 200) return corrected(fields(k), "200");
  }
  return false;
}

// A correction is not applied: the next loss of focus checks again.
void fieldLeft(Sim& sim) {
  if (correctFirstOutOfLimits(sim)) return;
  if (InspectorControls(sim).numMode().selected()) {
    Bifrost(sim);
    Asgard(sim);
  }
}

// While paused the fields always show the body they will be written into: a body number left
// naming another body loads that one, as the click on its caption does.
void bodyNumberLeft(Sim& sim) {
  const InspectorControls inspector(sim);
  const bool paused = !inspector.tickTimer().enabled() && inspector.typeField().visible();
  const int n = bodyNamedLeniently(inspector.bodyField());
  if (paused && n >= 0 && n != sim.editorBody) Asgard(sim);
}

}  // namespace

void wireEditorEvents(Sim& sim) {
  const InspectorControls inspector(sim);
  for (Control* bar : inspector.scrollBars().members()) {
    if (bar) bar->on(Event::Change, [&sim, k = bar->index()] { scrolled(sim, k); });
  }
  inspector.numMode().on(Event::Click, [inspector] { modeChosen(inspector, false); });
  inspector.visualMode().on(Event::Click, [inspector] { modeChosen(inspector, true); });
  for (Control* field : inspector.fields().members()) {
    if (field) field->on(Event::LostFocus, [&sim] { fieldLeft(sim); });
  }
  inspector.bodyField().on(Event::LostFocus, [&sim] { bodyNumberLeft(sim); });
  inspector.bodyCaption().on(Event::Click, [&sim] { Asgard(sim); });
  Control& core = inspector.coreField();
  Control& radius = inspector.radiusField();
  inspector.coreCaption().on(Event::Click, [&core, &radius] { core.setText(radius.text()); });
  inspector.radiusCaption().on(Event::Click, [&core, &radius] { radius.setText(core.text()); });
}

}  // namespace sw4
