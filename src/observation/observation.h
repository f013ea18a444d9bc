#pragma once
// The watched body: its aphelion and perihelion records and its speed statistics.

namespace sw4 {

class Sim;

void ReOrbit(Sim& sim);      // resets both records to the watched body's distance
void recordsStep(Sim& sim);  // the tick's record update
void Velco(Sim& sim);        // the speed statistics
void hideRecordPanel(Sim& sim);

}  // namespace sw4
