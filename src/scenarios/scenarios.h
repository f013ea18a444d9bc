#pragma once
// Setting up a run: pattern layouts, presets and star making.

namespace sw4 {

class Sim;

void StarMaker(Sim& sim);      // makes one star while star making runs
void wireScenarios(Sim& sim);  // all of the handlers below

// Each file wires its own controls.

void wireSpiral(Sim& sim);          // "Spiral"
void wirePatternLayouts(Sim& sim);  // "Galaxy", "Binary", "Circle", "Anti-ci", "All Orb", "hm"
void wirePresets(Sim& sim);         // the eight preset buttons
void wireStarMaking(Sim& sim);      // "Create Stars" and the "Orbits" frame

}  // namespace sw4
