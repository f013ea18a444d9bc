// New: back to the state of a program that has just started, without restarting it.
#include "model/sim.h"
#include "program/program.h"
#include "program/program_controls.h"

namespace sw4 {

namespace {

void newRunNow(Sim& sim) {
  const HandlerScope byCode;  // what start-up raises comes from no user
  FormControls& form = ProgramControls(sim).form();
  // Timers stop first: none fires while the form is put back, and those that run at start-up
  // begin their period anew.
  for (Control& c : form.all())
    if (c.kind() == Kind::Timer) c.setEnabled(false);
  form.restoreDesign();
  sim.resetState();
  ++sim.outsideEdits;  // no event was raised, so the gravity pass would keep its cached rules
  startUp(sim);
  sim.newRunDone();
}

}  // namespace

void newRun(Sim& sim) {
  betweenTicks(sim, [&sim] { newRunNow(sim); });
}

}  // namespace sw4
