#pragma once
// Attempts at forming a moon.

namespace sw4 {

class Sim;

void Lunarfy(Sim& sim, int m);  // a moon attempt around one of the giants for body m
void Moonify(Sim& sim, int m);  // a moon attempt around the first giant for body m
void wireMoons(Sim& sim);

}  // namespace sw4
