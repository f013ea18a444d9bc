#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/sim.h"
#include "recording/world_hash.h"
#include "script/item.h"

namespace sw4 {

// Resolves an item a script names: CONTROL.Property, a world variable, a body array element
// such as PlanetX(3), Pixel(x,y) (the surface colour at twips x, y), DotCount (pixels not of the
// background colour), and the read-only W, H (drawing area in twips), Faults (handler faults
// swallowed so far), WorldHash at `hashVersion`, BodiesOn (bodies 1 to TotalPlanets switched on)
// and the watched body's orbit (OrbitDistance, ..., OrbitPeriod). ScriptError when there is no such
// item.
Item resolveItem(Sim& sim, std::string_view token, int hashVersion = kWorldHashVersion);

// The name of every item a script can print but Pixel and Faults: each property of each
// control, each world variable, each body array element, DotCount, W, H, BodiesOn and the orbit
// items.
std::vector<std::string> printableItemNames(const FormControls& form);

}  // namespace sw4
