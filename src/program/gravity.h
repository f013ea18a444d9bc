#pragma once

namespace sw4 {

class Sim;

// Moves body a by its momentum (the sun only while it is not fixed).
void motionStep(Sim& sim, int a);
// Sums the pulls of every pair, handles contacts, draws, and updates the momenta.
void gravityPass(Sim& sim);
// Arc sine from the arc tangent, with the rounded half pi at |x| = 1.
double ArcSin(double x);

}  // namespace sw4
