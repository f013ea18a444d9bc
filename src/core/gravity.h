#pragma once

namespace sw4 {

class Sim;

// Moves body a by its momentum (the sun only while it is not fixed).
void motionStep(Sim& sim, int a);
// Sums the pulls of every pair, handles contacts, draws, and updates the momenta.
void gravityPass(Sim& sim);
// The drawing position of a coordinate: Int(x), saturated into 32 bits.
int drawPos(double x);

}  // namespace sw4
