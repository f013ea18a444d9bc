#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/sim.h"
#include "script/item.h"

namespace sw4 {

class FormControls;

// Resolves an item a script names: CONTROL.Property, a world variable, a body array element
// such as PlanetX(3), Pixel(x,y) (the surface colour at twips x, y), DotCount (pixels not of the
// background colour), and the read-only W, H (drawing area in twips) and Faults (handler faults
// swallowed so far). ScriptError when there is no such item.
Item resolveItem(Sim& sim, std::string_view token);

// The name of every item a script can print but Pixel and Faults: each property of each
// control, each world variable, each body array element, DotCount, W and H.
std::vector<std::string> printableItemNames(const FormControls& form);

}  // namespace sw4
