#include "recording/run_tally.h"

#include "borders/field_edges.h"
#include "model/sim.h"
#include "model/world.h"

namespace sw4 {

RunTally::RunTally(Sim& sim) : sim_(sim) {
  tickDone_ = sim_.tickDone.add([this] {
    countTick();
    takeStart();
  });
  newRunDone_ = sim_.newRunDone.add([this] {
    merges_ = lost_ = 0;
    takeStart();
  });
  takeStart();
}

RunTally::~RunTally() {
  sim_.tickDone.remove(tickDone_);
  sim_.newRunDone.remove(newRunDone_);
}

void RunTally::takeStart() {
  gravity_ = sim_.world.PlanetGravity;
  off_ = sim_.world.PlanetOff;
}

void RunTally::save(std::vector<std::int64_t>& into) const {
  into.push_back(merges_);
  into.push_back(lost_);
}

std::size_t RunTally::restore(const std::int64_t* from) {
  merges_ = static_cast<long>(from[0]);
  lost_ = static_cast<long>(from[1]);
  takeStart();
  return 2;
}

void RunTally::countTick() {
  const World& w = sim_.world;
  const FieldEdges edges(sim_);
  for (int i = 0; i < kBodySlots; ++i) {
    if (w.PlanetGravity[i] < gravity_[i]) ++merges_;
    if (off_[i] == 0 && w.PlanetOff[i] == 1 && edges.pastAny(w.PlanetX[i], w.PlanetY[i])) ++lost_;
  }
}

}  // namespace sw4
