#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {

// The border behaviours and body replacement arrive with the collisions work; until then a body
// that leaves the field simply keeps going.
void borderStep(Sim&, int) {}
void Newton(Sim&, int) {}
void RandomEdge(Sim&, int) {}
void RandomMo(Sim&, int) {}

void wireBorders(Sim& sim) {
  Fs4& f = sim.form;
  for (Control* c : f.Och.members()) {
    if (!c) continue;
    const int k = c->index();
    c->on(Event::Click, [&sim, k] { sim.world.SlomoDivisor = k == 0 ? 2 : 1; });
  }
}

}  // namespace sw4
