#pragma once
// What happens to a body that leaves the drawing area, and the replacement of lost bodies.

namespace sw4 {

class Sim;

// Tests body i against the border and applies the selected border behaviour.
void borderStep(Sim& sim, int i);
void Newton(Sim& sim, int i);      // replaces lost body i
void RandomEdge(Sim& sim, int i);  // puts body i at a random place on the edge
void RandomMo(Sim& sim, int i);    // gives body i a random momentum
void wireBorders(Sim& sim);

}  // namespace sw4
