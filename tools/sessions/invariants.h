#pragma once
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace sw4 {
class Sim;
}

namespace sw4::robust {

// What must hold between any two user actions, whatever they were:
// - no tick is running (ticks never outlive the event that started them);
// - every body value and every Double of the world is finite, every off flag 0 or 1;
// - TotalPlanets in 0..999, SlomoDivisor 1 or 2;
// - the counters the program keeps in a range stay in it (TickCount 0..999999, SeedCounter
//   -32000..32000, StarIndex 0..1000, the record toggles 0 or -1), unless the script itself set
//   one outside it;
// - every check box holds 0..2, every option group has at most one option chosen, every scroll
//   bar's value lies within its range, no timer has a negative interval.
// A broken rule is told as "rule: detail"; the part before the colon names the rule.
class Invariants {
 public:
  // The script set a world variable directly: when the value lies outside the range the
  // program keeps that variable in, its range is no longer checked.
  void noteSet(std::string_view item, std::string_view value);
  std::optional<std::string> check(const Sim& sim) const;

 private:
  std::set<std::string, std::less<>> unchecked_;
};

// The rule's name of a message from Invariants::check ("body value" of "body value: ...").
std::string_view ruleOf(std::string_view message);

}  // namespace sw4::robust
