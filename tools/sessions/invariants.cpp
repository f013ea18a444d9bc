#include "sessions/invariants.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <sstream>

#include "model/sim.h"

namespace sw4::robust {

namespace {

struct KeptRange {
  std::string_view name;
  std::int16_t World::*field16;
  std::int32_t World::*field32;
  long lo, hi;
};

const KeptRange kKept[] = {
    {"TickCount", nullptr, &World::TickCount, 0, 999999},
    {"SeedCounter", &World::SeedCounter, nullptr, -32000, 32000},
    {"StarIndex", &World::StarIndex, nullptr, 0, 1000},
    {"AphelionToggle", &World::AphelionToggle, nullptr, -1, 0},
    {"PerihelionToggle", &World::PerihelionToggle, nullptr, -1, 0},
};

struct NamedDouble {
  std::string_view name;
  double World::*field;
};

const NamedDouble kDoubles[] = {
    {"GConstant", &World::GConstant},
    {"GExponent", &World::GExponent},
    {"Pi", &World::Pi},
    {"TwinRatio", &World::TwinRatio},
    {"PlanetDistance", &World::PlanetDistance},
    {"Aphelion", &World::Aphelion},
    {"Perihelion", &World::Perihelion},
    {"MoonAttempts", &World::MoonAttempts},
    {"VelocityMax", &World::VelocityMax},
    {"VelocityMin", &World::VelocityMin},
    {"VelocityRatio", &World::VelocityRatio},
};

const char* const kArrayNames[] = {"PlanetX",   "PlanetY",       "MomentumX",
                                   "MomentumY", "PlanetGravity", "PlanetType"};

template <typename... Args>
std::string say(Args&&... args) {
  std::ostringstream s;
  s.precision(17);
  (s << ... << args);
  return s.str();
}

std::optional<std::string> checkBodies(const World& w) {
  const BodyDoubles* arrays[] = {&w.PlanetX,   &w.PlanetY,       &w.MomentumX,
                                 &w.MomentumY, &w.PlanetGravity, &w.PlanetType};
  for (int a = 0; a < 6; ++a) {
    const BodyDoubles& arr = *arrays[a];
    for (int i = 0; i < kBodySlots; ++i)
      if (!std::isfinite(arr[i])) return say("body value: ", kArrayNames[a], "(", i, ")=", arr[i]);
  }
  for (int i = 0; i < kBodySlots; ++i)
    if (w.PlanetOff[i] != 0 && w.PlanetOff[i] != 1)
      return say("off flag: PlanetOff(", i, ")=", w.PlanetOff[i]);
  return std::nullopt;
}

std::optional<std::string> checkScalars(const World& w,
                                        const std::set<std::string, std::less<>>& unchecked) {
  for (const NamedDouble& d : kDoubles)
    if (!std::isfinite(w.*d.field)) return say("world value: ", d.name, "=", w.*d.field);
  if (w.TotalPlanets < 0 || w.TotalPlanets > kMaxBody)
    return say("count: TotalPlanets=", w.TotalPlanets);
  if (w.SlomoDivisor != 1 && w.SlomoDivisor != 2)
    return say("count: SlomoDivisor=", w.SlomoDivisor);
  for (const KeptRange& k : kKept) {
    if (unchecked.count(k.name)) continue;
    const long v = k.field16 ? w.*k.field16 : w.*k.field32;
    if (v < k.lo || v > k.hi) return say("counter: ", k.name, "=", v);
  }
  return std::nullopt;
}

std::optional<std::string> checkControls(const FormControls& form) {
  for (const Control& c : form.all()) {
    switch (c.kind()) {
      case Kind::CheckBox:
        if (c.value() < 0 || c.value() > 2)
          return say("control: ", c.fullName(), " holds ", c.value());
        break;
      case Kind::OptionButton: {
        if (c.value() != 0 && c.value() != 1)
          return say("control: ", c.fullName(), " holds ", c.value());
        if (c.value() == 1 && c.group()) {
          for (const Control* other : *c.group())
            if (other != &c && other->value() != 0)
              return say("control: ", c.fullName(), " and ", other->fullName(), " both chosen");
        }
        break;
      }
      case Kind::ScrollBar: {
        const int lo = std::min(c.min(), c.max()), hi = std::max(c.min(), c.max());
        if (c.value() < lo || c.value() > hi)
          return say("scroll bar: ", c.fullName(), " at ", c.value(), " outside ", c.min(), "..",
                     c.max());
        break;
      }
      case Kind::Timer:
        if (c.interval() < 0) return say("timer: ", c.fullName(), " interval ", c.interval());
        break;
      default:
        break;
    }
    if (!std::isfinite(c.lenient())) return say("reading: ", c.fullName(), " reads ", c.lenient());
  }
  return std::nullopt;
}

}  // namespace

void Invariants::noteSet(std::string_view item, std::string_view value) {
  for (const KeptRange& k : kKept) {
    if (k.name != item) continue;
    long v = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (ec != std::errc() || end != value.data() + value.size() || v < k.lo || v > k.hi)
      unchecked_.emplace(item);
  }
}

std::optional<std::string> Invariants::check(const Sim& sim) const {
  if (sim.inTick) return std::string("tick: a tick is still running between two actions");
  if (auto m = checkBodies(sim.world)) return m;
  if (auto m = checkScalars(sim.world, unchecked_)) return m;
  return checkControls(sim.form);
}

std::string_view ruleOf(std::string_view message) {
  return message.substr(0, message.find(':'));
}

}  // namespace sw4::robust
