#pragma once
// The watched body's orbit about the sun, as the next tick will pull it.
#include "observation/orbit_numbers.h"

namespace sw4 {

class Sim;

// The orbit of InspectedPlanet about body 0. The pull is the one the gravity pass applies:
// GConstant (1 where it is 0, as the pass makes it) times the sun's gravity, plus the body's own
// while the sun moves ("Fixed" clear), since the sun then falls toward the body; none while the
// sun is switched off. The exponent is the one the next tick reads from TXg(2). Velocities are the
// momentum arrays, the sun's taken off while it moves. Nothing is defined when the watched number
// names the sun or no body; only the distance when the body is switched off.
OrbitNumbers watchedOrbit(const Sim& sim);

}  // namespace sw4
