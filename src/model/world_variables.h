#pragma once
// The world's variables and body arrays by name: one table for everything that reads or writes
// them by name (the script driver, the session checks, hashes).
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <variant>

#include "model/world.h"

namespace sw4 {

using WorldField = std::variant<double World::*, std::int16_t World::*, std::int32_t World::*>;

struct WorldVariable {
  std::string_view name;
  WorldField field;
  // The values the variable may take at all: its type's whole range unless the program relies on
  // fewer (a script may set only these).
  std::int64_t lo = std::numeric_limits<std::int64_t>::min();
  std::int64_t hi = std::numeric_limits<std::int64_t>::max();
  // The range the program itself keeps a counter in (wider than that only when set from outside).
  bool kept = false;
  std::int64_t keptLo = 0, keptHi = 0;
};

inline constexpr WorldVariable kWorldVariables[] = {
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
    {.name = "TickCount", .field = &World::TickCount, .kept = true, .keptLo = 0, .keptHi = 999999},
    {.name = "SeedCounter",
     .field = &World::SeedCounter,
     .kept = true,
     .keptLo = -32000,
     .keptHi = 32000},
    {"InspectedPlanet", &World::InspectedPlanet},
    {"PlanetDistance", &World::PlanetDistance},
    {"Aphelion", &World::Aphelion},
    {"Perihelion", &World::Perihelion},
    {.name = "AphelionToggle",
     .field = &World::AphelionToggle,
     .kept = true,
     .keptLo = -1,
     .keptHi = 0},
    {.name = "PerihelionToggle",
     .field = &World::PerihelionToggle,
     .kept = true,
     .keptLo = -1,
     .keptHi = 0},
    {"MoonAttempts", &World::MoonAttempts},
    {.name = "StarIndex",
     .field = &World::StarIndex,
     .kept = true,
     .keptLo = 0,
     .keptHi = kBodySlots},
    {"VelocityMax", &World::VelocityMax},
    {"VelocityMin", &World::VelocityMin},
    {"VelocityRatio", &World::VelocityRatio},
};

using BodyShorts = std::array<std::int16_t, kBodySlots>;
using BodyArrayField = std::variant<BodyDoubles World::*, BodyShorts World::*>;

struct BodyArray {
  std::string_view name;
  BodyArrayField field;
  std::int64_t lo = std::numeric_limits<std::int16_t>::min();  // for the integer array
  std::int64_t hi = std::numeric_limits<std::int16_t>::max();
};

inline constexpr BodyArray kBodyArrays[] = {
    {"PlanetX", &World::PlanetX},
    {"PlanetY", &World::PlanetY},
    {"MomentumX", &World::MomentumX},
    {"MomentumY", &World::MomentumY},
    {"PlanetGravity", &World::PlanetGravity},
    {"PlanetType", &World::PlanetType},
    {"PlanetOff", &World::PlanetOff, 0, 1},  // a switch: 0 alive, 1 off
};

}  // namespace sw4
