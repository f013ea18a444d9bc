// The "Pause" button, which stops the tick and opens the inspector or closes it and runs on,
// and the body-number scroll bar Qui.
#include <algorithm>
#include <initializer_list>
#include <string>

#include "contacts/contacts.h"
#include "inspector/inspector.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

void show(std::initializer_list<Control*> controls, bool visible) {
  for (Control* c : controls) c->setVisible(visible);
}

void showIndices(ControlArray& array, int from, int to, bool visible) {
  for (int k = from; k <= to; ++k) array(k).setVisible(visible);
}

// Qui reaches the bodies up to the count in TXn, never beyond the arrays; a count that is not a
// number leaves the range as it was.
void setBodyRange(Fs4& f) {
  if (!f.TXn.strictOk()) return;
  const double count = roundHalfEven(f.TXn.strict());
  f.Qui.setMax(static_cast<int>(std::clamp(count, 0.0, static_cast<double>(kMaxBody))));
}

void pauseAndOpen(Sim& sim) {
  Fs4& f = sim.form;
  f.Ti.setEnabled(false);
  showIndices(f.TXTp, 0, 4, true);
  showIndices(f.Label6, 0, 4, true);
  show({&f.TXTOden, &f.La(0), &f.La(16), &f.TxTyp}, true);
  setBodyRange(f);
  if (f.Qui.value() == 0) {
    f.Qui.setValue(1);  // walks body 1 and then the sun into the editor
    f.Qui.setValue(0);
  } else {
    f.Qui.setValue(CIntSaturated(f.TXTOden.lenient()));
  }
  Ocean(sim, CIntSaturated(f.TXTOden.lenient()));
  f.TiF.setEnabled(true);
  Asgard(sim);
  show({&f.Qui, &f.Frame2}, true);
  f.Opadd(0).userClick();
  f.Hsp(0).setMax(CIntSaturated(sim.W()));
  f.Hsp(1).setMax(CIntSaturated(sim.H()));
  f.Chon.setVisible(true);
  show({&f.TXTp(5), &f.TXTp(6), &f.La(5), &f.La(15), &f.ChLim, &f.Label8, &f.Label9, &f.Label7,
        &f.LaVmax, &f.LaVmin, &f.LaVnow, &f.LavPer},
       true);
}

void resumeAndClose(Sim& sim) {
  Fs4& f = sim.form;
  if (f.ChLim.value() != 1) {
    show({&f.TXTp(5), &f.TXTp(6), &f.La(5), &f.La(15), &f.TXTOden, &f.ChLim, &f.Label8, &f.Label7,
          &f.Label9, &f.LaVmax, &f.LaVmin, &f.LaVnow, &f.LavPer},
         false);
  } else {
    show({&f.LavPer, &f.LaVnow, &f.LaVmax, &f.LaVmin, &f.Label8, &f.Label7, &f.ChLim, &f.TXTOden,
          &f.TXTp(5), &f.TXTp(6), &f.La(5), &f.La(15)},
         true);
  }
  f.Chon.setVisible(false);
  if (f.CHsol.value() != 1) f.ImSun.setVisible(false);
  f.La(0).setVisible(false);
  showIndices(f.TXTp, 0, 4, false);
  showIndices(f.Label6, 0, 4, false);
  show({&f.La(16), &f.TxTyp}, false);
  f.Ti.setEnabled(true);
  f.Shark.setVisible(false);
  f.TiF.setEnabled(false);
  show({&f.Qui, &f.Frame2}, false);
  for (int k = 0; k <= 3; ++k) {
    f.TXTp(k).setVisible(false);
    f.Hsp(k).setVisible(false);
  }
  f.Opadd(0).setValue(0);
  f.Opadd(1).setValue(0);
}

}  // namespace

void wirePauseButton(Sim& sim) {
  Fs4& f = sim.form;
  f.Command5.on(Event::Click, [&sim] {
    ReOrbit(sim);
    sim.world.TickCount = 0;
    if (sim.form.Ti.enabled()) {
      pauseAndOpen(sim);
    } else {
      resumeAndClose(sim);
    }
  });
  f.Qui.on(Event::Change, [&sim] {
    sim.form.TXTOden.setText(std::to_string(sim.form.Qui.value()));
    Asgard(sim);
  });
}

}  // namespace sw4
