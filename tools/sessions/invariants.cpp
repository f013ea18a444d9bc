#include "sessions/invariants.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <sstream>

#include "model/fs4.h"
#include "model/sim.h"
#include "model/world_variables.h"

namespace sw4::robust {

namespace {

template <typename... Args>
std::string say(Args&&... args) {
  std::ostringstream s;
  s.precision(17);
  (s << ... << args);
  return s.str();
}

std::optional<std::string> checkBodies(const World& w) {
  for (const BodyArray& a : kBodyArrays) {
    if (const auto* doubles = std::get_if<BodyDoubles World::*>(&a.field)) {
      const BodyDoubles& arr = w.**doubles;
      for (int i = 0; i < kBodySlots; ++i)
        if (!std::isfinite(arr[i])) return say("body value: ", a.name, "(", i, ")=", arr[i]);
    }
  }
  for (int i = 0; i < kBodySlots; ++i)
    if (w.PlanetOff[i] != 0 && w.PlanetOff[i] != 1)
      return say("off flag: PlanetOff(", i, ")=", w.PlanetOff[i]);
  return std::nullopt;
}

// A counter's value, or nothing for a Double.
std::optional<long> counterValue(const World& w, const WorldField& field) {
  if (const auto* f16 = std::get_if<std::int16_t World::*>(&field)) return w.**f16;
  if (const auto* f32 = std::get_if<std::int32_t World::*>(&field)) return w.**f32;
  return std::nullopt;
}

std::optional<std::string> checkScalars(const World& w,
                                        const std::set<std::string, std::less<>>& unchecked) {
  for (const WorldVariable& v : kWorldVariables) {
    if (const auto* d = std::get_if<double World::*>(&v.field))
      if (!std::isfinite(w.**d)) return say("world value: ", v.name, "=", w.**d);
  }
  if (w.TotalPlanets < 0 || w.TotalPlanets > kMaxBody)
    return say("count: TotalPlanets=", w.TotalPlanets);
  if (w.SlomoDivisor != 1 && w.SlomoDivisor != 2)
    return say("count: SlomoDivisor=", w.SlomoDivisor);
  for (const WorldVariable& k : kWorldVariables) {
    if (!k.kept || unchecked.count(k.name)) continue;
    const long v = counterValue(w, k.field).value_or(0);
    if (v < k.keptLo || v > k.keptHi) return say("counter: ", k.name, "=", v);
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
  for (const WorldVariable& k : kWorldVariables) {
    if (!k.kept || k.name != item) continue;
    long v = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (ec != std::errc() || end != value.data() + value.size() || v < k.keptLo || v > k.keptHi)
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
