// The world's variables and body arrays as script items.
#include "script/world_items.h"

#include <cstdint>
#include <limits>
#include <string>

#include "model/world_variables.h"
#include "recording/item_catalogue.h"
#include "script/script_error.h"
#include "script/script_numbers.h"

namespace sw4 {

namespace {

// An item over one stored number: a Double, or an integer held within lo..hi and its type.
template <typename T>
Item numberItem(T& slot, std::string name, std::int64_t lo, std::int64_t hi) {
  Item item;
  if constexpr (std::is_same_v<T, double>) {
    item.read = [&slot] { return formatStored(slot); };
    item.prepareSet = [&slot, name](std::string_view value) -> std::function<void()> {
      const double v = parseDouble(value, name);
      return [&slot, v] { slot = v; };
    };
  } else {
    const std::int64_t low = std::max<std::int64_t>(lo, std::numeric_limits<T>::min());
    const std::int64_t high = std::min<std::int64_t>(hi, std::numeric_limits<T>::max());
    item.read = [&slot] { return formatStored(slot); };
    item.prepareSet = [&slot, name, low, high](std::string_view value) -> std::function<void()> {
      const T v = static_cast<T>(parseInteger(value, low, high, name));
      return [&slot, v] { slot = v; };
    };
  }
  return item;
}

}  // namespace

std::optional<Item> worldScalar(World& w, std::string_view name) {
  for (const WorldVariable& d : kWorldVariables) {
    if (d.name != name) continue;
    return std::visit(
        [&](auto member) { return numberItem(w.*member, std::string(name), d.lo, d.hi); }, d.field);
  }
  return std::nullopt;
}

bool isBodyArray(std::string_view name) {
  for (const BodyArray& d : kBodyArrays)
    if (d.name == name) return true;
  return false;
}

Item bodyElement(World& w, std::string_view name, std::string_view indexToken) {
  for (const BodyArray& d : kBodyArrays) {
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
