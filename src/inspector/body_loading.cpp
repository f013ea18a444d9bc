// Loading a body into the editor: Asgard picks the body named in TXTOden, SetBody fills the
// fields and scroll bars from it.
#include "contacts/contacts.h"
#include "inspector/inspector.h"
#include "inspector/inspector_controls.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/readings.h"

namespace sw4 {

namespace {

// Holds v to lo..hi the way the editor does: first up to lo, then down to hi (hi wins when the
// range is upside down). Not-a-number becomes lo.
void holdTo(double& v, double lo, double hi) {
  if (!(v >= lo)) v = lo;
  if (v > hi) v = hi;
}

void setRanges(Sim& sim) {
  const ControlArray& bars = InspectorControls(sim).scrollBars();
  for (int k : {3, 2}) {
    bars(k).setMin(-999);
    bars(k).setMax(999);
  }
  bars(0).setMin(900);
  bars(1).setMin(0);
  bars(0).setMax(CIntSaturated(sim.W()));
  bars(1).setMax(CIntSaturated(sim.H() - 300));
}

// A momentum inside -999..999 drives its scroll bar; one beyond is held to the end and leaves
// the scroll bar where it was.
void showMomentum(double m, Control& bar) {
  if (m > -999 && m < 999) bar.setValue(static_cast<int>(Int(m)));
}

}  // namespace

void SetBody(Sim& sim, int n) {
  if (!isBody(n)) return;
  const InspectorControls inspector(sim);
  const ControlArray& fields = inspector.fields();
  const ControlArray& bars = inspector.scrollBars();
  World& w = sim.world;
  setRanges(sim);
  // The body is held first, so the fields show where it now is.
  holdTo(w.PlanetX[n], bars(0).min(), bars(0).max());
  holdTo(w.PlanetY[n], bars(1).min(), bars(1).max());
  holdTo(w.MomentumX[n], -999, 999);
  holdTo(w.MomentumY[n], -999, 999);

  fields(0).setText(formatG(w.PlanetX[n]));
  fields(1).setText(formatG(w.PlanetY[n]));
  fields(2).setText(formatG(w.MomentumX[n]));
  fields(3).setText(formatG(w.MomentumY[n]));
  fields(4).setText(formatUpTo(w.PlanetGravity[n], 16));

  // In "visual" mode each of these may raise a change that writes the fields back and reloads
  // the body; every reload leaves one more value whole and equal to its bar, so it ends.
  bars(0).setValue(static_cast<int>(Int(w.PlanetX[n])));
  bars(1).setValue(static_cast<int>(Int(w.PlanetY[n])));
  showMomentum(w.MomentumX[n], bars(2));
  showMomentum(w.MomentumY[n], bars(3));
}

void Asgard(Sim& sim) {
  const InspectorControls inspector(sim);
  const int n = bodyNamedLeniently(inspector.bodyField());
  if (n < 0) return;  // names no body: nothing to load
  sim.editorBody = n;
  inspector.typeField().setText(formatG(sim.world.PlanetType[n]));
  SetBody(sim, n);
  Ocean(sim, n);
  if (sim.world.PlanetOff[n] == 1) {
    inspector.planetSwitch().setValue(1);
  } else if (sim.world.PlanetOff[n] == 0) {
    inspector.planetSwitch().setValue(0);
  }
  ReOrbit(sim);
}

}  // namespace sw4
