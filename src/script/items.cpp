#include "script/items.h"

#include <cstdint>
#include <limits>
#include <string>

#include "model/world_variables.h"
#include "recording/item_catalogue.h"
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

// A read-only item that takes x,y (Pixel).
Item pointItem(const ItemScope& scope, const ReadOnlyItem& r, std::string_view args) {
  const std::string name(r.name);
  const auto comma = args.find(',');
  if (comma == std::string_view::npos) throw ScriptError(name + " needs " + std::string(r.args));
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  const int x = static_cast<int>(parseInteger(args.substr(0, comma), lo, hi, name + " x"));
  const int y = static_cast<int>(parseInteger(args.substr(comma + 1), lo, hi, name + " y"));
  return Item{[scope, read = r.read, x, y] { return read(scope, x, y); }, {}};
}

}  // namespace

Item resolveItem(Sim& sim, std::string_view token, int hashVersion, const RunTally* tally,
                 const std::int64_t* timelineTick) {
  const ItemScope scope{&sim, hashVersion, tally, timelineTick};
  const auto dot = propertyDot(token);
  if (dot != std::string_view::npos) {
    Control& c = resolveControl(sim.form, token.substr(0, dot));
    return controlProperty(c, token.substr(dot + 1));
  }
  const auto open = token.find('(');
  if (open != std::string_view::npos && token.back() == ')') {
    const std::string_view name = token.substr(0, open);
    const std::string_view args = token.substr(open + 1, token.size() - open - 2);
    const ReadOnlyItem* r = findReadOnlyItem(name);
    if (r && !r->args.empty()) return pointItem(scope, *r, args);
    if (isBodyArray(name)) return bodyElement(sim.world, name, args);
  } else {
    if (auto item = worldScalar(sim.world, token)) return *item;
    const ReadOnlyItem* r = findReadOnlyItem(token);
    if (r && r->args.empty() && (!r->counted || (tally && timelineTick)))
      return Item{[scope, read = r->read] { return read(scope, 0, 0); }, {}};
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
    for (const ControlProperty& p : controlProperties())
      names.push_back(c.fullName() + "." + std::string(p.name));
  for (const WorldVariable& v : kWorldVariables) names.emplace_back(v.name);
  for (const BodyArray& a : kBodyArrays)
    for (int i = 0; i < kBodySlots; ++i)
      names.push_back(std::string(a.name) + "(" + std::to_string(i) + ")");
  for (const ReadOnlyItem& r : readOnlyItems())
    if (r.args.empty() && !r.summary) names.emplace_back(r.name);
  return names;
}

}  // namespace sw4
