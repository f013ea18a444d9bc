#pragma once
#include <optional>
#include <string_view>

#include "model/world.h"
#include "script/item.h"

namespace sw4 {

// A world variable by its exact name (TotalPlanets, GConstant, ...), or nothing.
std::optional<Item> worldScalar(World& w, std::string_view name);
// Whether `name` is one of the body arrays (PlanetX, ..., PlanetOff).
bool isBodyArray(std::string_view name);
// Element `index` of a body array; ScriptError when the index is outside 0..999.
Item bodyElement(World& w, std::string_view name, std::string_view indexToken);

}  // namespace sw4
