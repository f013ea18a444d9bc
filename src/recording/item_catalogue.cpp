#include "recording/item_catalogue.h"

#include <variant>

#include "model/sim.h"
#include "model/world_variables.h"
#include "observation/watched_orbit.h"
#include "recording/run_tally.h"

namespace sw4 {

namespace {

std::string valueText(const Control& c) {
  switch (c.kind()) {
    case Kind::OptionButton:
      return formatBool(c.value() != 0);
    case Kind::CommandButton:
      return formatBool(false);  // a button springs back at once
    default:
      return std::to_string(c.value());
  }
}

const ControlProperty kControlProperties[] = {
    {.name = "Text",
     .type = PropertyType::Text,
     .readText = [](const Control& c) { return c.text(); }},
    {.name = "Caption",
     .type = PropertyType::Text,
     .readText = [](const Control& c) { return c.caption(); }},
    {.name = "Value", .type = PropertyType::Text, .readText = valueText},
    {.name = "Visible",
     .type = PropertyType::Bool,
     .readBool = [](const Control& c) { return c.visible(); },
     .setBool = [](Control& c, bool v) { c.setVisible(v); }},
    {.name = "Enabled",
     .type = PropertyType::Bool,
     .readBool = [](const Control& c) { return c.enabled(); },
     .setBool = [](Control& c, bool v) { c.setEnabled(v); }},
    {.name = "ForeColor",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return static_cast<int>(c.foreColor()); },
     .setWhole = [](Control& c, int v) { c.setForeColor(v); }},
    {.name = "BackColor",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return static_cast<int>(c.backColor()); },
     .setWhole = [](Control& c, int v) { c.setBackColor(v); }},
    {.name = "BorderColor",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return static_cast<int>(c.borderColor()); },
     .setWhole = [](Control& c, int v) { c.setBorderColor(v); }},
    {.name = "FillColor",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return static_cast<int>(c.fillColor()); },
     .setWhole = [](Control& c, int v) { c.setFillColor(v); }},
    {.name = "Left",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return c.left(); },
     .setWhole = [](Control& c, int v) { c.setLeft(v); }},
    {.name = "Top",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return c.top(); },
     .setWhole = [](Control& c, int v) { c.setTop(v); }},
    {.name = "Width",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return c.width(); },
     .setWhole = [](Control& c, int v) { c.setWidth(v); },
     .lo = 0},
    {.name = "Height",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return c.height(); },
     .setWhole = [](Control& c, int v) { c.setHeight(v); },
     .lo = 0},
    {.name = "Min",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return c.min(); },
     .setWhole = [](Control& c, int v) { c.setMin(v); },
     .lo = -32768,
     .hi = 32767},
    {.name = "Max",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return c.max(); },
     .setWhole = [](Control& c, int v) { c.setMax(v); },
     .lo = -32768,
     .hi = 32767},
    {.name = "Interval",
     .type = PropertyType::Whole,
     .readWhole = [](const Control& c) { return c.interval(); },
     .setWhole = [](Control& c, int v) { c.setInterval(v); },
     .lo = 0},
};

// The forms a read-only item prints in.
std::string whole(long v) {
  return std::to_string(v);
}
std::string orUndefined(std::optional<double> v) {
  return v ? formatDouble(*v) : std::string("undefined");
}

// An item's printed value: its value function in its format.
template <auto format, auto value>
std::string reads(const ItemScope& s, int x, int y) {
  return format(value(s, x, y));
}

// The watched body's orbit about the sun.
template <std::optional<double> OrbitNumbers::*number>
std::optional<double> orbit(const ItemScope& s, int, int) {
  return watchedOrbit(*s.sim).*number;
}

// Bodies 1 to TotalPlanets that are switched on.
long bodiesOn(const ItemScope& s, int, int) {
  const World& w = s.sim->world;
  long n = 0;
  for (int i = 1; i <= w.TotalPlanets && i <= kMaxBody; ++i) n += w.PlanetOff[i] == 0;
  return n;
}

const ReadOnlyItem kReadOnlyItems[] = {
    {.name = "Pixel",
     .args = "x,y",
     .read = reads<whole,
                   [](const ItemScope& s, int x, int y) -> long {
                     return s.sim->surface.pixel(x, y);
                   }>},
    {.name = "DotCount",
     .read = reads<whole, [](const ItemScope& s, int, int) { return s.sim->surface.dotCount(); }>},
    {.name = "W",
     .read =
         reads<whole, [](const ItemScope& s, int, int) -> long { return s.sim->widthTwips(); }>},
    {.name = "H",
     .read =
         reads<whole, [](const ItemScope& s, int, int) -> long { return s.sim->heightTwips(); }>},
    {.name = "Faults",
     .read = reads<whole, [](const ItemScope&, int, int) { return dispatchedFaults(); }>,
     .summary = true},
    {.name = "WorldHash",
     .read = reads<formatHash,
                   [](const ItemScope& s, int, int) { return worldHash(*s.sim, s.hashVersion); }>,
     .summary = true},
    {.name = "BodiesOn", .read = reads<whole, bodiesOn>},
    {.name = "Merges",
     .read = reads<whole, [](const ItemScope& s, int, int) { return s.tally->merges(); }>,
     .counted = true,
     .summary = true},
    {.name = "BodiesLost",
     .read = reads<whole, [](const ItemScope& s, int, int) { return s.tally->lostAtBorders(); }>,
     .counted = true,
     .summary = true},
    {.name = "TimelineTick",
     .read = reads<whole, [](const ItemScope& s, int, int) { return *s.timelineTick; }>,
     .counted = true,
     .summary = true},
    {.name = "OrbitDistance", .read = reads<orUndefined, orbit<&OrbitNumbers::distance>>},
    {.name = "OrbitSpeed", .read = reads<orUndefined, orbit<&OrbitNumbers::speed>>},
    {.name = "OrbitEnergy", .read = reads<orUndefined, orbit<&OrbitNumbers::energy>>},
    {.name = "OrbitAngularMomentum",
     .read = reads<orUndefined, orbit<&OrbitNumbers::angularMomentum>>},
    {.name = "OrbitSemiMajorAxis", .read = reads<orUndefined, orbit<&OrbitNumbers::semiMajorAxis>>},
    {.name = "OrbitEccentricity", .read = reads<orUndefined, orbit<&OrbitNumbers::eccentricity>>},
    {.name = "OrbitPeriod", .read = reads<orUndefined, orbit<&OrbitNumbers::period>>},
};

}  // namespace

std::span<const ControlProperty> controlProperties() {
  return kControlProperties;
}

std::string readProperty(const ControlProperty& p, const Control& c) {
  switch (p.type) {
    case PropertyType::Text:
      return p.readText(c);
    case PropertyType::Bool:
      return formatBool(p.readBool(c));
    case PropertyType::Whole:
      return std::to_string(p.readWhole(c));
  }
  return {};
}

std::span<const ReadOnlyItem> readOnlyItems() {
  return kReadOnlyItems;
}

const ReadOnlyItem* findReadOnlyItem(std::string_view name) {
  for (const ReadOnlyItem& r : kReadOnlyItems)
    if (r.name == name) return &r;
  return nullptr;
}

std::optional<std::string> readPlainItem(const ItemScope& scope, std::string_view name) {
  for (const WorldVariable& v : kWorldVariables) {
    if (v.name != name) continue;
    return std::visit([&](auto member) { return formatStored(scope.sim->world.*member); }, v.field);
  }
  const ReadOnlyItem* r = findReadOnlyItem(name);
  if (!r || !r->args.empty() || (r->counted && !(scope.tally && scope.timelineTick)))
    return std::nullopt;
  return r->read(scope, 0, 0);
}

std::vector<ItemPattern> itemPatterns() {
  std::vector<ItemPattern> all;
  for (const ControlProperty& p : kControlProperties) all.push_back({p.name, {}, true});
  for (const WorldVariable& v : kWorldVariables) all.push_back({v.name, {}});
  for (const BodyArray& a : kBodyArrays) all.push_back({a.name, "i"});
  for (const ReadOnlyItem& r : kReadOnlyItems) all.push_back({r.name, r.args});
  return all;
}

}  // namespace sw4
