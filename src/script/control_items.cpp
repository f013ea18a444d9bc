// Controls by name and their properties as script items.
#include "script/control_items.h"

#include <cstdint>
#include <limits>
#include <string>

#include "recording/item_catalogue.h"
#include "script/script_error.h"
#include "script/script_numbers.h"

namespace sw4 {

namespace {

constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

}  // namespace

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
  for (const ControlProperty& d : controlProperties()) {
    if (d.name != property) continue;
    Item item;
    item.read = [&c, &d] { return readProperty(d, c); };
    const std::string name = c.fullName() + "." + std::string(property);
    switch (d.type) {
      case PropertyType::Text:
        item.prepareSet = [name](std::string_view) -> std::function<void()> {
          throw ScriptError(name + " cannot be set: use text, click or scroll");
        };
        break;
      case PropertyType::Bool:
        item.prepareSet = [&c, name, set = d.setBool](std::string_view value) {
          const bool v = parseBool(value, name);
          return std::function<void()>([&c, set, v] { set(c, v); });
        };
        break;
      case PropertyType::Whole:
        item.prepareSet = [&c, name, set = d.setWhole, lo = d.lo,
                           hi = d.hi](std::string_view value) {
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
