#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {

void StarMaker(Sim&) {}
void wireScenarios(Sim&) {}

}  // namespace sw4
