#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {

void ReOrbit(Sim&) {}
void recordsStep(Sim&) {}
void wireObservation(Sim&) {}

}  // namespace sw4
