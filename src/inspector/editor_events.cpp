// The editor's controls: the four scroll bars Hsp, the mode options Opadd, leaving a field TXTp
// or the body number TXTOden, and the captions La that act as buttons.
#include <string>

#include "inspector/inspector.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

bool visualMode(const Fs4& f) {
  return f.Opadd(1).selected();
}

void scrolled(Sim& sim, int k) {
  Fs4& f = sim.form;
  if (!visualMode(f)) return;
  f.TXTp(k).setText(std::to_string(f.Hsp(k).value()));
  Bifrost(sim);
  Asgard(sim);
}

// "num" lets the four fields be typed into; "visual" shows the scroll bars and makes the fields
// read-only while the bars drive them.
void modeChosen(Fs4& f, int m) {
  const bool visual = m == 1;
  for (int k = 0; k <= 3; ++k) {
    f.Hsp(k).setVisible(visual);
    f.TXTp(k).setLocked(visual);
    f.TXTp(k).setVisible(true);
  }
}

bool corrected(Control& field, const std::string& text) {
  field.setText(text);
  return true;
}

// Corrects the first field out of its limits; true when one was corrected.
bool correctFirstOutOfLimits(Sim& sim) {
  Fs4& f = sim.form;
  const double x = f.TXTp(0).lenient(), y = f.TXTp(1).lenient();
  if (x < 0) return corrected(f.TXTp(0), "0");
  if (y < 0) return corrected(f.TXTp(1), "0");
  if (x > sim.W()) return corrected(f.TXTp(0), formatG(sim.W()));
  if (y > sim.H()) return corrected(f.TXTp(1), formatG(sim.H()));
  for (int k : {2, 3}) {
    const double m = f.TXTp(k).lenient();
    if (m < -200) return corrected(f.TXTp(k), "-200");
    if (m > 200) return corrected(f.TXTp(k), "200");
  }
  return false;
}

// A correction is not applied: the next loss of focus checks again.
void fieldLeft(Sim& sim) {
  if (correctFirstOutOfLimits(sim)) return;
  if (sim.form.Opadd(0).selected()) {
    Bifrost(sim);
    Asgard(sim);
  }
}

// While paused the fields always show the body they will be written into: a body number left
// naming another body loads that one, as the click on its caption does.
void bodyNumberLeft(Sim& sim) {
  const Fs4& f = sim.form;
  const bool paused = !f.Ti.enabled() && f.TxTyp.visible();
  const int n = bodyNamedLeniently(f.TXTOden);
  if (paused && n >= 0 && n != sim.editorBody) Asgard(sim);
}

}  // namespace

void wireEditorEvents(Sim& sim) {
  Fs4& f = sim.form;
  for (Control* bar : f.Hsp.members()) {
    if (bar) bar->on(Event::Change, [&sim, k = bar->index()] { scrolled(sim, k); });
  }
  for (int m : {0, 1}) f.Opadd(m).on(Event::Click, [&f, m] { modeChosen(f, m); });
  for (Control* field : f.TXTp.members()) {
    if (field) field->on(Event::LostFocus, [&sim] { fieldLeft(sim); });
  }
  f.TXTOden.on(Event::LostFocus, [&sim] { bodyNumberLeft(sim); });
  f.La(0).on(Event::Click, [&sim] { Asgard(sim); });
  f.La(2).on(Event::Click, [&f] { f.Text5.setText(f.Text1.text()); });
  f.La(3).on(Event::Click, [&f] { f.Text1.setText(f.Text5.text()); });
}

}  // namespace sw4
