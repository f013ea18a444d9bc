#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sweep/value_list.h"

namespace sw4::sweep {

// One field or item a sweep varies, with its values.
struct Variation {
  enum class Kind {
    Text,    // a text field: `text NAME VALUE`
    Option,  // an option group such as Och: `click NAME(VALUE)`
    Item,    // an item a script can set, such as MomentumY(1): `set NAME VALUE`
  };
  std::string name;
  Kind kind = Kind::Text;
  std::vector<std::string> values;
};

// "NAME=VALUES", NAME checked against the form and the driver's items and every value against
// NAME; SweepError when either does not fit.
Variation variation(std::string_view text);
// Seeds for the generator, typed into the seed field before "Go": whole numbers within its range.
std::vector<std::string> seeds(std::string_view text);

// The script a sweep starts from, every line checked as the driver reads it.
struct Base {
  std::string path;
  std::vector<std::string> lines;
};
// SweepError "PATH, line N: message" at the first line the driver would refuse.
Base readBase(const std::string& path);

// One run of the grid: a value of each variation (in their order), and its seed if any.
struct Run {
  int number = 0;  // from 1
  std::vector<std::string> values;
  std::optional<std::string> seed;
};
// Every combination, the first variation changing slowest, the seeds fastest.
std::vector<Run> grid(const std::vector<Variation>& varied, const std::vector<std::string>& seeds);

struct RunShape {
  int runs = 0;         // in the whole sweep
  int ticks = 2000;     // fired after the base
  double scale = 0.25;  // of the drawing: the thumbnail's size
};

// The items each run prints at its end, in this order: the sweep's outcomes.
const std::vector<std::string_view>& outcomeItems();

// The run as a driver script of its own: the base with the run's values (a line of the base
// that types, clicks or sets a varied name is given the run's value in place; a varied field the
// base does not type is typed just before "Go", with the seed; a varied item it does not set is
// set after its last line), "Go" added when the base has none, its `expect` lines turned into
// comments, then the ticks, the outcome items and the thumbnail `thumb.png`.
std::string runScript(const Base& base, const std::vector<Variation>& varied, const Run& run,
                      const RunShape& shape);

}  // namespace sw4::sweep
