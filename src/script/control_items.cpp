// Controls by name and their properties as script items.
#include "script/control_items.h"

#include <cstdint>
#include <limits>
#include <string>

#include "script/script_error.h"
#include "script/script_numbers.h"

namespace sw4 {

namespace {

constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

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

enum class Type { Text, Bool, Int };

struct PropertyDef {
  std::string_view name;
  Type type;
  std::string (*readText)(const Control&) = nullptr;  // Text
  bool (*readBool)(const Control&) = nullptr;         // Bool
  void (*setBool)(Control&, bool) = nullptr;
  int (*readInt)(const Control&) = nullptr;  // Int
  void (*setInt)(Control&, int) = nullptr;
  std::int64_t lo = kIntMin, hi = kIntMax;
};

const PropertyDef kProperties[] = {
    {.name = "Text", .type = Type::Text, .readText = [](const Control& c) { return c.text(); }},
    {.name = "Caption",
     .type = Type::Text,
     .readText = [](const Control& c) { return c.caption(); }},
    {.name = "Value", .type = Type::Text, .readText = valueText},
    {.name = "Visible",
     .type = Type::Bool,
     .readBool = [](const Control& c) { return c.visible(); },
     .setBool = [](Control& c, bool v) { c.setVisible(v); }},
    {.name = "Enabled",
     .type = Type::Bool,
     .readBool = [](const Control& c) { return c.enabled(); },
     .setBool = [](Control& c, bool v) { c.setEnabled(v); }},
    {.name = "ForeColor",
     .type = Type::Int,
     .readInt = [](const Control& c) { return static_cast<int>(c.foreColor()); },
     .setInt = [](Control& c, int v) { c.setForeColor(v); }},
    {.name = "BackColor",
     .type = Type::Int,
     .readInt = [](const Control& c) { return static_cast<int>(c.backColor()); },
     .setInt = [](Control& c, int v) { c.setBackColor(v); }},
    {.name = "BorderColor",
     .type = Type::Int,
     .readInt = [](const Control& c) { return static_cast<int>(c.borderColor()); },
     .setInt = [](Control& c, int v) { c.setBorderColor(v); }},
    {.name = "FillColor",
     .type = Type::Int,
     .readInt = [](const Control& c) { return static_cast<int>(c.fillColor()); },
     .setInt = [](Control& c, int v) { c.setFillColor(v); }},
    {.name = "Left",
     .type = Type::Int,
     .readInt = [](const Control& c) { return c.left(); },
     .setInt = [](Control& c, int v) { c.setLeft(v); }},
    {.name = "Top",
     .type = Type::Int,
     .readInt = [](const Control& c) { return c.top(); },
     .setInt = [](Control& c, int v) { c.setTop(v); }},
    {.name = "Width",
     .type = Type::Int,
     .readInt = [](const Control& c) { return c.width(); },
     .setInt = [](Control& c, int v) { c.setWidth(v); },
     .lo = 0},
    {.name = "Height",
     .type = Type::Int,
     .readInt = [](const Control& c) { return c.height(); },
     .setInt = [](Control& c, int v) { c.setHeight(v); },
     .lo = 0},
    {.name = "Min",
     .type = Type::Int,
     .readInt = [](const Control& c) { return c.min(); },
     .setInt = [](Control& c, int v) { c.setMin(v); },
     .lo = -32768,
     .hi = 32767},
    {.name = "Max",
     .type = Type::Int,
     .readInt = [](const Control& c) { return c.max(); },
     .setInt = [](Control& c, int v) { c.setMax(v); },
     .lo = -32768,
     .hi = 32767},
    {.name = "Interval",
     .type = Type::Int,
     .readInt = [](const Control& c) { return c.interval(); },
     .setInt = [](Control& c, int v) { c.setInterval(v); },
     .lo = 0},
};

}  // namespace

std::vector<std::string_view> controlPropertyNames() {
  std::vector<std::string_view> names;
  for (const PropertyDef& d : kProperties) names.push_back(d.name);
  return names;
}

Control& resolveControl(const FormControls& form, std::string_view token) {
  const auto open = token.find('(');
  Control* c = nullptr;
  if (open == std::string_view::npos) {
    c = form.find(token);
  } else if (open > 0 && token.back() == ')') {
    const std::string_view name = token.substr(0, open);
    const std::string_view index = token.substr(open + 1, token.size() - open - 2);
    // An index the array cannot have names no control, like any other unknown name.
    const auto i = parseInteger(index, kIntMin, kIntMax, "control index");
    if (i >= 0) c = form.find(name, static_cast<int>(i));
  }
  if (!c) throw ScriptError("unknown control " + quoted(token));
  return *c;
}

Item controlProperty(Control& c, std::string_view property) {
  for (const PropertyDef& d : kProperties) {
    if (d.name != property) continue;
    Item item;
    const std::string name = c.fullName() + "." + std::string(property);
    switch (d.type) {
      case Type::Text:
        item.read = [&c, read = d.readText] { return read(c); };
        item.prepareSet = [name](std::string_view) -> std::function<void()> {
          throw ScriptError(name + " cannot be set: use text, click or scroll");
        };
        break;
      case Type::Bool:
        item.read = [&c, read = d.readBool] { return formatBool(read(c)); };
        item.prepareSet = [&c, name, set = d.setBool](std::string_view value) {
          const bool v = parseBool(value, name);
          return std::function<void()>([&c, set, v] { set(c, v); });
        };
        break;
      case Type::Int:
        item.read = [&c, read = d.readInt] { return std::to_string(read(c)); };
        item.prepareSet = [&c, name, set = d.setInt, lo = d.lo, hi = d.hi](std::string_view value) {
          const int v = static_cast<int>(parseInteger(value, lo, hi, name));
          return std::function<void()>([&c, set, v] { set(c, v); });
        };
        break;
    }
    return item;
  }
  throw ScriptError("unknown property " + quoted(property) + " of " + c.fullName());
}

}  // namespace sw4
