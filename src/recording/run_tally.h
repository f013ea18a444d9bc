#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "model/body_slots.h"

namespace sw4 {

class Sim;

// What the driver counts (the items Merges and BodiesLost) tick by tick since the script started or
// last ran `new`: merges (a body that lost gravity in a tick: the lesser body of a merge is halved)
// and bodies lost at the borders (switched off in a tick and left past an edge, as "Die" leaves
// them). The state a tick starts from is taken after every event the driver delivers.
class RunTally {
 public:
  explicit RunTally(Sim& sim);
  ~RunTally();
  RunTally(const RunTally&) = delete;
  RunTally& operator=(const RunTally&) = delete;

  // The world as the next tick will find it.
  void takeStart();
  long merges() const { return merges_; }
  long lostAtBorders() const { return lost_; }
  // The counts as a few numbers, and putting them back (how many it read); the start is then
  // taken from the world as it is.
  void save(std::vector<std::int64_t>& into) const;
  std::size_t restore(const std::int64_t* from);

 private:
  void countTick();

  Sim& sim_;
  int tickDone_ = 0, newRunDone_ = 0;
  BodyDoubles gravity_{};
  std::array<std::int16_t, kBodySlots> off_{};
  long merges_ = 0, lost_ = 0;
};

}  // namespace sw4
