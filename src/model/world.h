#pragma once
#include <array>
#include <cstdint>

#include "model/body_slots.h"

namespace sw4 {

// The whole simulated world: fixed body arrays (body 0 is the sun) and the program-wide
// settings, counters and records. Every procedure reads and writes it in place.
struct World {
  BodyDoubles PlanetX{}, PlanetY{}, MomentumX{}, MomentumY{}, PlanetGravity{}, PlanetType{};
  std::array<std::int16_t, kBodySlots> PlanetOff{};

  // Settings
  std::int16_t TotalPlanets = 0;
  double GConstant = 0;
  double GExponent = 0;
  std::int16_t PlanetRadius = 0;
  std::int16_t PlanetCore = 0;
  std::int16_t CrustVolatility = 0;
  std::int32_t CrustSpan = 0;  // 32-bit so 2 x volatility + 1 cannot overflow
  std::int16_t MomentumRange = 0;
  std::int32_t MomentumSpan = 0;  // 32-bit so 2 x range + 1 cannot overflow
  std::int16_t MomentumQuarter = 0;
  std::int16_t TagPlanet = 0;
  std::int16_t SlomoDivisor = 0;
  double Pi = 0;
  double TwinRatio = 0;

  // Counters and records
  std::int32_t TickCount = 0;
  std::int16_t SeedCounter = 0;
  std::int16_t InspectedPlanet = 0;
  double PlanetDistance = 0;
  double Aphelion = 0, Perihelion = 0;
  std::int16_t AphelionToggle = 0, PerihelionToggle = 0;
  double MoonAttempts = 0;
  std::int16_t StarIndex = 0;
  double VelocityMax = 0, VelocityMin = 0, VelocityRatio = 0;
};

}  // namespace sw4
