#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {

void Velco(Sim&) {}
void wireGalaxy(Sim&) {}

}  // namespace sw4
