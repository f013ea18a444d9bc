#pragma once
// The handlers of the scenario set-up, each file wiring its own controls.

namespace sw4 {

class Sim;

void wireSpiral(Sim& sim);          // "Spiral"
void wirePatternLayouts(Sim& sim);  // "Galaxy", "Binary", "Circle", "Anti-ci", "All Orb", "hm"
void wirePresets(Sim& sim);         // the eight preset buttons
void wireStarMaking(Sim& sim);      // "Create Stars" and the "Orbits" frame

}  // namespace sw4
