// Loading a body into the editor: Asgard picks the body named in TXTOden, SetBody fills the
// fields and scroll bars from it.
#include "contacts/contacts.h"
#include "inspector/inspector.h"
#include "model/fs4.h"
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
  Fs4& f = sim.form;
  for (int k : {3, 2}) {
    f.Hsp(k).setMin(-999);
    f.Hsp(k).setMax(999);
  }
  f.Hsp(0).setMin(900);
  f.Hsp(1).setMin(0);
  f.Hsp(0).setMax(CIntSaturated(sim.W()));
  f.Hsp(1).setMax(CIntSaturated(sim.H() - 300));
}

// A momentum inside -999..999 drives its scroll bar; one beyond is held to the end and leaves
// the scroll bar where it was.
void showMomentum(double m, Control& bar) {
  if (m > -999 && m < 999) bar.setValue(static_cast<int>(Int(m)));
}

}  // namespace

void SetBody(Sim& sim, int n) {
  if (!isBody(n)) return;
  Fs4& f = sim.form;
  World& w = sim.world;
  setRanges(sim);
  // The body is held first, so the fields show where it now is.
  holdTo(w.PlanetX[n], f.Hsp(0).min(), f.Hsp(0).max());
  holdTo(w.PlanetY[n], f.Hsp(1).min(), f.Hsp(1).max());
  holdTo(w.MomentumX[n], -999, 999);
  holdTo(w.MomentumY[n], -999, 999);

  f.TXTp(0).setText(formatG(w.PlanetX[n]));
  f.TXTp(1).setText(formatG(w.PlanetY[n]));
  f.TXTp(2).setText(formatG(w.MomentumX[n]));
  f.TXTp(3).setText(formatG(w.MomentumY[n]));
  f.TXTp(4).setText(formatUpTo(w.PlanetGravity[n], 16));

  // In "visual" mode each of these may raise a change that writes the fields back and reloads
  // the body; every reload leaves one more value whole and equal to its bar, so it ends.
  f.Hsp(0).setValue(static_cast<int>(Int(w.PlanetX[n])));
  f.Hsp(1).setValue(static_cast<int>(Int(w.PlanetY[n])));
  showMomentum(w.MomentumX[n], f.Hsp(2));
  showMomentum(w.MomentumY[n], f.Hsp(3));
}

void Asgard(Sim& sim) {
  Fs4& f = sim.form;
  const int n = bodyNamedLeniently(f.TXTOden);
  if (n < 0) return;  // names no body: nothing to load
  sim.editorBody = n;
  f.TxTyp.setText(formatG(sim.world.PlanetType[n]));
  SetBody(sim, n);
  Ocean(sim, n);
  if (sim.world.PlanetOff[n] == 1) {
    f.Chon.setValue(1);
  } else if (sim.world.PlanetOff[n] == 0) {
    f.Chon.setValue(0);
  }
  ReOrbit(sim);
}

}  // namespace sw4
