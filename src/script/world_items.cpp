// The world's variables and body arrays as script items, from one table each.
#include "script/world_items.h"

#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "script/script_error.h"
#include "script/script_numbers.h"

namespace sw4 {

namespace {

using Field = std::variant<double World::*, std::int16_t World::*, std::int32_t World::*>;

struct ScalarDef {
  std::string_view name;
  Field field;
  // Allowed values for an integer variable; the type's whole range unless the program relies on
  // fewer.
  std::int64_t lo = std::numeric_limits<std::int64_t>::min();
  std::int64_t hi = std::numeric_limits<std::int64_t>::max();
};

const ScalarDef kScalars[] = {
    {"TotalPlanets", &World::TotalPlanets, 0, kMaxBody},  // the tick visits slots 0..TotalPlanets
    {"GConstant", &World::GConstant},
    {"GExponent", &World::GExponent},
    {"PlanetRadius", &World::PlanetRadius},
    {"PlanetCore", &World::PlanetCore},
    {"CrustVolatility", &World::CrustVolatility},
    {"CrustSpan", &World::CrustSpan},
    {"MomentumRange", &World::MomentumRange},
    {"MomentumSpan", &World::MomentumSpan},
    {"MomentumQuarter", &World::MomentumQuarter},
    {"TagPlanet", &World::TagPlanet},
    {"SlomoDivisor", &World::SlomoDivisor, 1, 2},  // a divisor: only 1 or 2 ever
    {"Pi", &World::Pi},
    {"TwinRatio", &World::TwinRatio},
    {"TickCount", &World::TickCount},
    {"SeedCounter", &World::SeedCounter},
    {"InspectedPlanet", &World::InspectedPlanet},
    {"PlanetDistance", &World::PlanetDistance},
    {"Aphelion", &World::Aphelion},
    {"Perihelion", &World::Perihelion},
    {"AphelionToggle", &World::AphelionToggle},
    {"PerihelionToggle", &World::PerihelionToggle},
    {"MoonAttempts", &World::MoonAttempts},
    {"StarIndex", &World::StarIndex},
    {"VelocityMax", &World::VelocityMax},
    {"VelocityMin", &World::VelocityMin},
    {"VelocityRatio", &World::VelocityRatio},
};

using Shorts = std::array<std::int16_t, kBodySlots>;
using ArrayField = std::variant<BodyDoubles World::*, Shorts World::*>;

struct ArrayDef {
  std::string_view name;
  ArrayField field;
  std::int64_t lo = std::numeric_limits<std::int16_t>::min();
  std::int64_t hi = std::numeric_limits<std::int16_t>::max();
};

const ArrayDef kArrays[] = {
    {"PlanetX", &World::PlanetX},
    {"PlanetY", &World::PlanetY},
    {"MomentumX", &World::MomentumX},
    {"MomentumY", &World::MomentumY},
    {"PlanetGravity", &World::PlanetGravity},
    {"PlanetType", &World::PlanetType},
    {"PlanetOff", &World::PlanetOff, 0, 1},  // a switch: 0 alive, 1 off
};

// An item over one stored number: a Double, or an integer held within lo..hi and its type.
template <typename T>
Item numberItem(T& slot, std::string name, std::int64_t lo, std::int64_t hi) {
  Item item;
  if constexpr (std::is_same_v<T, double>) {
    item.read = [&slot] { return formatDouble(slot); };
    item.prepareSet = [&slot, name](std::string_view value) -> std::function<void()> {
      const double v = parseDouble(value, name);
      return [&slot, v] { slot = v; };
    };
  } else {
    const std::int64_t low = std::max<std::int64_t>(lo, std::numeric_limits<T>::min());
    const std::int64_t high = std::min<std::int64_t>(hi, std::numeric_limits<T>::max());
    item.read = [&slot] { return std::to_string(slot); };
    item.prepareSet = [&slot, name, low, high](std::string_view value) -> std::function<void()> {
      const T v = static_cast<T>(parseInteger(value, low, high, name));
      return [&slot, v] { slot = v; };
    };
  }
  return item;
}

}  // namespace

std::optional<Item> worldScalar(World& w, std::string_view name) {
  for (const ScalarDef& d : kScalars) {
    if (d.name != name) continue;
    return std::visit(
        [&](auto member) { return numberItem(w.*member, std::string(name), d.lo, d.hi); }, d.field);
  }
  return std::nullopt;
}

bool isBodyArray(std::string_view name) {
  for (const ArrayDef& d : kArrays)
    if (d.name == name) return true;
  return false;
}

Item bodyElement(World& w, std::string_view name, std::string_view indexToken) {
  for (const ArrayDef& d : kArrays) {
    if (d.name != name) continue;
    const auto i = static_cast<std::size_t>(
        parseInteger(indexToken, 0, kMaxBody, std::string(name) + " index"));
    const std::string itemName = std::string(name) + "(" + std::to_string(i) + ")";
    return std::visit([&](auto member) { return numberItem((w.*member)[i], itemName, d.lo, d.hi); },
                      d.field);
  }
  throw ScriptError("unknown body array " + quoted(name));
}

}  // namespace sw4
