#pragma once
// Every item a driver script can print or set, each declared once with its type, its value and
// the form it prints in: the properties of every control, the world's variables and body arrays
// (their table is model/world_variables.h), and the read-only items. The driver resolves names
// through it, the recorder writes its checks with it, and the session generator, the fuzz
// dictionary and the check of the docs take their names from it.
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/control.h"
#include "platform/readings.h"
#include "recording/world_hash.h"

namespace sw4 {

class Sim;
class RunTally;

// What an item is read against.
struct ItemScope {
  const Sim* sim = nullptr;
  int hashVersion = kWorldHashVersion;
  const RunTally* tally = nullptr;             // the driver's counts; none outside the driver
  const std::int64_t* timelineTick = nullptr;  // the driver's position on its timeline
};

// A stored number as an item prints it: a Double with %.17G, an integer as an integer.
template <typename T>
std::string formatStored(T v) {
  if constexpr (std::is_floating_point_v<T>) {
    return formatDouble(v);
  } else {
    return std::to_string(v);
  }
}

// A property of every control (CONTROL.Name). Text properties cannot be set; the others are set
// through the model's setter, which raises no event.
enum class PropertyType { Text, Bool, Whole };
struct ControlProperty {
  std::string_view name;
  PropertyType type;
  std::string (*readText)(const Control&) = nullptr;  // Text
  bool (*readBool)(const Control&) = nullptr;         // Bool
  void (*setBool)(Control&, bool) = nullptr;
  int (*readWhole)(const Control&) = nullptr;  // Whole
  void (*setWhole)(Control&, int) = nullptr;
  std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  std::int64_t hi = std::numeric_limits<std::int32_t>::max();
};
std::span<const ControlProperty> controlProperties();
std::string readProperty(const ControlProperty& p, const Control& c);

// An item that can only be printed: a name, or a name with arguments such as Pixel(x,y).
struct ReadOnlyItem {
  std::string_view name;
  std::string_view args;  // as the docs write them ("x,y"); empty for a plain name
  // The value in its printed form; x and y are the arguments of an item that takes them.
  std::string (*read)(const ItemScope&, int x, int y);
  // A count the driver keeps (ItemScope::tally and timelineTick), not a reading of the
  // program's own state.
  bool counted = false;
  // A digest of other items, or a count kept outside the world.
  bool summary = false;
};
std::span<const ReadOnlyItem> readOnlyItems();
const ReadOnlyItem* findReadOnlyItem(std::string_view name);

// A world variable or a plain read-only item by name, as the driver prints it; nothing for
// another name (or a count with no tally in the scope).
std::optional<std::string> readPlainItem(const ItemScope& scope, std::string_view name);

// Every item as the docs name it: a control property by its bare name ("Text"), an item taking
// arguments with them ("PlanetX(i)", "Pixel(x,y)").
struct ItemPattern {
  std::string_view name;
  std::string_view args;
  bool property = false;
  std::string written() const {
    return args.empty() ? std::string(name) : std::string(name) + "(" + std::string(args) + ")";
  }
};
std::vector<ItemPattern> itemPatterns();

}  // namespace sw4
