#include "scenarios/scenarios.h"

namespace sw4 {

void wireScenarios(Sim& sim) {
  wireSpiral(sim);
  wirePatternLayouts(sim);
  wirePresets(sim);
  wireStarMaking(sim);
}

}  // namespace sw4
