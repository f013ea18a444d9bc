#include "script/items.h"

#include <cstdint>
#include <limits>
#include <string>

#include "model/world_variables.h"
#include "observation/watched_orbit.h"
#include "platform/control.h"
#include "recording/world_hash.h"
#include "script/control_items.h"
#include "script/script_error.h"
#include "script/script_numbers.h"
#include "script/world_items.h"

namespace sw4 {

namespace {

// The position of the first '.' outside parentheses, or npos.
std::size_t propertyDot(std::string_view token) {
  int depth = 0;
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (token[i] == '(') ++depth;
    if (token[i] == ')') --depth;
    if (token[i] == '.' && depth == 0) return i;
  }
  return std::string_view::npos;
}

Item readOnly(std::function<std::string()> read) {
  return Item{std::move(read), {}};
}

// The watched body's orbit about the sun, a number each; a number that is not defined prints as
// the word.
constexpr std::string_view kUndefined = "undefined";
struct OrbitItem {
  std::string_view name;
  std::optional<double> OrbitNumbers::*number;
};
constexpr OrbitItem kOrbitItems[] = {
    {"OrbitDistance", &OrbitNumbers::distance},
    {"OrbitSpeed", &OrbitNumbers::speed},
    {"OrbitEnergy", &OrbitNumbers::energy},
    {"OrbitAngularMomentum", &OrbitNumbers::angularMomentum},
    {"OrbitSemiMajorAxis", &OrbitNumbers::semiMajorAxis},
    {"OrbitEccentricity", &OrbitNumbers::eccentricity},
    {"OrbitPeriod", &OrbitNumbers::period},
};

std::optional<Item> orbitItem(Sim& sim, std::string_view name) {
  for (const OrbitItem& o : kOrbitItems) {
    if (o.name != name) continue;
    return readOnly([&sim, number = o.number] {
      const std::optional<double> v = watchedOrbit(sim).*number;
      return v ? formatDouble(*v) : std::string(kUndefined);
    });
  }
  return std::nullopt;
}

// Bodies 1 to TotalPlanets that are switched on.
int bodiesOn(const World& w) {
  int n = 0;
  for (int i = 1; i <= w.TotalPlanets && i <= kMaxBody; ++i) n += w.PlanetOff[i] == 0;
  return n;
}

Item pixelItem(Sim& sim, std::string_view args) {
  const auto comma = args.find(',');
  if (comma == std::string_view::npos) throw ScriptError("Pixel needs x,y");
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  const int x = static_cast<int>(parseInteger(args.substr(0, comma), lo, hi, "Pixel x"));
  const int y = static_cast<int>(parseInteger(args.substr(comma + 1), lo, hi, "Pixel y"));
  return readOnly([&sim, x, y] { return std::to_string(sim.surface.pixel(x, y)); });
}

}  // namespace

Item resolveItem(Sim& sim, std::string_view token, int hashVersion) {
  const auto dot = propertyDot(token);
  if (dot != std::string_view::npos) {
    Control& c = resolveControl(sim.form, token.substr(0, dot));
    return controlProperty(c, token.substr(dot + 1));
  }
  const auto open = token.find('(');
  if (open != std::string_view::npos && token.back() == ')') {
    const std::string_view name = token.substr(0, open);
    const std::string_view args = token.substr(open + 1, token.size() - open - 2);
    if (name == "Pixel") return pixelItem(sim, args);
    if (isBodyArray(name)) return bodyElement(sim.world, name, args);
  } else {
    if (auto item = worldScalar(sim.world, token)) return *item;
    if (auto item = orbitItem(sim, token)) return *item;
    if (token == "BodiesOn")
      return readOnly([&sim] { return std::to_string(bodiesOn(sim.world)); });
    if (token == "DotCount")
      return readOnly([&sim] { return std::to_string(sim.surface.dotCount()); });
    if (token == "W") return readOnly([&sim] { return std::to_string(sim.widthTwips()); });
    if (token == "H") return readOnly([&sim] { return std::to_string(sim.heightTwips()); });
    if (token == "Faults") return readOnly([] { return std::to_string(dispatchedFaults()); });
    if (token == "WorldHash")
      return readOnly([&sim, hashVersion] { return formatHash(worldHash(sim, hashVersion)); });
  }
  try {
    resolveControl(sim.form, token);
  } catch (const ScriptError&) {
    throw ScriptError("unknown item " + quoted(token));
  }
  throw ScriptError(quoted(token) + " is a control: name one of its properties");
}

std::vector<std::string> printableItemNames(const FormControls& form) {
  std::vector<std::string> names;
  for (const Control& c : form.all())
    for (std::string_view p : controlPropertyNames())
      names.push_back(c.fullName() + "." + std::string(p));
  for (const WorldVariable& v : kWorldVariables) names.emplace_back(v.name);
  for (const BodyArray& a : kBodyArrays)
    for (int i = 0; i < kBodySlots; ++i)
      names.push_back(std::string(a.name) + "(" + std::to_string(i) + ")");
  for (const char* n : {"DotCount", "W", "H", "BodiesOn"}) names.emplace_back(n);
  for (const OrbitItem& o : kOrbitItems) names.emplace_back(o.name);
  return names;
}

}  // namespace sw4
