#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {

void Lunarfy(Sim&, int) {}
void Moonify(Sim&, int) {}
void wireMoons(Sim&) {}

}  // namespace sw4
