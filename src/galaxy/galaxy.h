#pragma once
// The galactic-rotation experiment: the dark-matter ring.

namespace sw4 {

class Sim;

void wireGalaxy(Sim& sim);

}  // namespace sw4
