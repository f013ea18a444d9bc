// The "Pause" button, which stops the tick and opens the inspector or closes it and runs on,
// and the body-number scroll bar Qui.
#include <algorithm>
#include <initializer_list>
#include <string>

#include "contacts/contacts.h"
#include "inspector/inspector.h"
#include "inspector/inspector_controls.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "observation/record_panel.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

void show(std::initializer_list<Control*> controls, bool visible) {
  for (Control* c : controls) c->setVisible(visible);
}

void showIndices(const ControlArray& array, int from, int to, bool visible) {
  for (int k = from; k <= to; ++k) array(k).setVisible(visible);
}

// Qui reaches the bodies up to the count in TXn, never beyond the arrays; a count that is not a
// number leaves the range as it was.
void setBodyRange(const InspectorControls& in) {
  const Control& countField = in.countField();
  if (!countField.strictOk()) return;
  const double count = roundHalfEven(countField.strict());
  in.bodyScroll().setMax(static_cast<int>(std::clamp(count, 0.0, static_cast<double>(kMaxBody))));
}

void pauseAndOpen(Sim& sim) {
  const InspectorControls in(sim);
  const RecordPanel p(sim);
  Control& scroll = in.bodyScroll();
  in.tickTimer().setEnabled(false);
  showIndices(in.fields(), 0, 4, true);
  showIndices(in.fieldCaptions(), 0, 4, true);
  show({&in.bodyField(), &in.bodyCaption(), &in.typeCaption(), &in.typeField()}, true);
  setBodyRange(in);
  if (scroll.value() == 0) {
    scroll.setValue(1);  // walks body 1 and then the sun into the editor
    scroll.setValue(0);
  } else {
    scroll.setValue(CIntSaturated(in.bodyField().lenient()));
  }
  Ocean(sim, CIntSaturated(in.bodyField().lenient()));
  in.blinkTimer().setEnabled(true);
  Asgard(sim);
  show({&scroll, &in.modeFrame()}, true);
  in.numMode().userClick();
  in.scrollBars()(0).setMax(CIntSaturated(sim.W()));
  in.scrollBars()(1).setMax(CIntSaturated(sim.H()));
  in.planetSwitch().setVisible(true);
  show({&p.aphelionField(), &p.perihelionField(), &p.aphelionCaption(), &p.perihelionCaption(),
        &p.watchBox(), &p.lastChangeLabel(), &p.differenceLabel(), &p.lastChangeCaption(),
        &p.highestSpeedLabel(), &p.lowestSpeedLabel(), &p.speedLabel(), &p.speedRangeLabel()},
       true);
}

void resumeAndClose(Sim& sim) {
  const InspectorControls in(sim);
  const RecordPanel p(sim);
  if (p.watchBox().value() != 1) {
    show({&p.aphelionField(), &p.perihelionField(), &p.aphelionCaption(), &p.perihelionCaption(),
          &p.bodyField(), &p.watchBox(), &p.lastChangeLabel(), &p.lastChangeCaption(),
          &p.differenceLabel(), &p.highestSpeedLabel(), &p.lowestSpeedLabel(), &p.speedLabel(),
          &p.speedRangeLabel()},
         false);
  } else {
    show({&p.speedRangeLabel(), &p.speedLabel(), &p.highestSpeedLabel(), &p.lowestSpeedLabel(),
          &p.lastChangeLabel(), &p.lastChangeCaption(), &p.watchBox(), &p.bodyField(),
          &p.aphelionField(), &p.perihelionField(), &p.aphelionCaption(), &p.perihelionCaption()},
         true);
  }
  in.planetSwitch().setVisible(false);
  if (in.sunFixedBox().value() != 1) in.sunPicture().setVisible(false);
  in.bodyCaption().setVisible(false);
  showIndices(in.fields(), 0, 4, false);
  showIndices(in.fieldCaptions(), 0, 4, false);
  show({&in.typeCaption(), &in.typeField()}, false);
  in.tickTimer().setEnabled(true);
  in.marker().setVisible(false);
  in.blinkTimer().setEnabled(false);
  show({&in.bodyScroll(), &in.modeFrame()}, false);
  for (int k = 0; k <= 3; ++k) {
    in.fields()(k).setVisible(false);
    in.scrollBars()(k).setVisible(false);
  }
  in.numMode().setValue(0);
  in.visualMode().setValue(0);
}

}  // namespace

void wirePauseButton(Sim& sim) {
  const InspectorControls in(sim);
  in.pauseButton().on(Event::Click, [&sim, in] {
    ReOrbit(sim);
    sim.world.TickCount = 0;
    if (in.tickTimer().enabled()) {
      pauseAndOpen(sim);
    } else {
      resumeAndClose(sim);
    }
  });
  in.bodyScroll().on(Event::Change, [&sim, in] {
    in.bodyField().setText(std::to_string(in.bodyScroll().value()));
    Asgard(sim);
  });
}

}  // namespace sw4
