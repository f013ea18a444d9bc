// "Clear", periodic clearing, the running seed and "X".
#include <string>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world.h"
#include "observation/observation.h"
#include "platform/readings.h"
#include "program/program.h"
#include "program/timer_period.h"

namespace sw4 {

namespace {

void setClearingPeriod(Sim& sim) {
  sim.form.Tiball.setInterval(timerPeriodMs(sim.form.TXref.lenient() * 1000));
}

}  // namespace

void wireClearingAndSeed(Sim& sim) {
  Fs4& f = sim.form;
  f.Command4.on(Event::Click, [&sim] {
    sim.surface.clear();
    ReOrbit(sim);
    sim.world.VelocityMax = 0;
    sim.world.VelocityMin = 0;
  });
  f.CHr.on(Event::Click, [&sim] {
    Fs4& f = sim.form;
    if (f.CHr.value() == 1) {
      f.TXref.setVisible(true);
      setClearingPeriod(sim);
      f.Tiball.setEnabled(true);
    } else {
      f.TXref.setVisible(false);
      f.Tiball.setEnabled(false);
    }
  });
  f.TXref.on(Event::LostFocus, [&sim] { setClearingPeriod(sim); });
  f.Tiball.on(Event::Timer, [&sim] {
    if (!sim.form.TXTOden.visible()) sim.surface.clear();
  });
  f.Tr.on(Event::Timer, [&sim] {
    World& w = sim.world;
    int next = w.SeedCounter + 1;
    if (next > 32000) next = -32000;
    w.SeedCounter = static_cast<std::int16_t>(next);
    sim.form.TXran.setText(std::to_string(w.SeedCounter));
  });
  f.CHran.on(Event::Click, [&sim] { sim.form.Tr.setEnabled(sim.form.CHran.value() != 1); });
  f.TXran.on(Event::LostFocus, [&sim] {
    Control& t = sim.form.TXran;
    if (t.lenient() < -32767) t.setText("-32767");
    if (t.lenient() > 32767) t.setText("32767");
  });
  f.Command1.on(Event::Click, [&sim] {
    sim.ended = true;
    sim.endProgram();
  });
}

}  // namespace sw4
