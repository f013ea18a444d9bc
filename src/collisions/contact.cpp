#include "core/procedures.h"
#include "core/sim.h"

namespace sw4 {

// Bodies in contact exert no pull; what else happens to them arrives with the collisions work.
void handleContact(Sim&, int, int, double) {}

}  // namespace sw4
