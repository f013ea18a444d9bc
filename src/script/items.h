#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/sim.h"
#include "recording/world_hash.h"
#include "script/item.h"

namespace sw4 {

class FormControls;
class RunTally;

// Resolves an item a script names, as the catalogue (recording/item_catalogue.h) declares it:
// CONTROL.Property, a world variable, a body array element such as PlanetX(3), or a read-only
// item, WorldHash computed at `hashVersion`. Merges, BodiesLost and TimelineTick need the driver's
// `tally` and `timelineTick`.
// ScriptError when there is no such item.
Item resolveItem(Sim& sim, std::string_view token, int hashVersion = kWorldHashVersion,
                 const RunTally* tally = nullptr, const std::int64_t* timelineTick = nullptr);

// The name of every item that reads the program's own state: each property of each control,
// each world variable, each body array element and the plain read-only items but the summaries
// (Faults, WorldHash, Merges, BodiesLost).
std::vector<std::string> printableItemNames(const FormControls& form);

}  // namespace sw4
