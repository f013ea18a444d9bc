#include "sweep/run_plan.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include "model/fs4.h"
#include "program/program.h"
#include "script/command_parser.h"
#include "script/control_items.h"
#include "script/line_cursor.h"
#include "script/script_engine.h"

namespace sw4::sweep {

namespace {

// What the names and lines are checked against: a program that runs nothing.
struct Checker {
  Program sim;
  std::ostringstream out;
  ScriptEngine engine{sim, out};
};

Checker& checker() {
  static Checker c;
  return c;
}

Control* controlNamed(std::string_view name) {
  try {
    return &resolveControl(checker().sim.form, name);
  } catch (const ScriptError&) {
    return nullptr;
  }
}

// The first two words of a line.
std::pair<std::string, std::string> head(std::string_view line) {
  LineCursor c(line);
  const std::string first(c.word());
  return {first, std::string(c.word())};
}

bool isGo(std::string_view line) {
  return head(line) == std::pair<std::string, std::string>{"click", "Command2"};
}

// The base line that `v` takes over, if `line` is one.
bool takesOver(const Variation& v, std::string_view line) {
  const auto [command, name] = head(line);
  switch (v.kind) {
    case Variation::Kind::Text:
      return command == "text" && name == v.name;
    case Variation::Kind::Option:
      return command == "click" && name.starts_with(v.name + "(");
    case Variation::Kind::Item:
      return command == "set" && name == v.name;
  }
  return false;
}

std::string lineFor(const Variation& v, const std::string& value) {
  switch (v.kind) {
    case Variation::Kind::Text:
      return "text " + v.name + " " + value;
    case Variation::Kind::Option:
      return "click " + v.name + "(" + value + ")";
    case Variation::Kind::Item:
      return "set " + v.name + " " + value;
  }
  return {};
}

}  // namespace

Variation variation(std::string_view text) {
  const std::size_t eq = text.find('=');
  if (eq == std::string_view::npos || eq == 0)
    throw SweepError("--vary NAME=VALUES, not '" + std::string(text) + "'");
  Variation v;
  v.name = std::string(text.substr(0, eq));
  v.values = valueList(text.substr(eq + 1));
  const auto refuse = [&v](const std::string& why) { throw SweepError(v.name + ": " + why); };
  if (const Control* c = controlNamed(v.name)) {
    if (c->kind() != Kind::TextBox)
      refuse("not a text field (name an option group without its index)");
    v.kind = Variation::Kind::Text;
  } else if (const Control* first = controlNamed(v.name + "(0)");
             first && first->kind() == Kind::OptionButton) {
    v.kind = Variation::Kind::Option;
    for (const std::string& i : v.values) {
      const Control* c = controlNamed(v.name + "(" + i + ")");
      if (!c || c->kind() != Kind::OptionButton) refuse("no option " + i);
    }
  } else {
    Item item;
    try {
      item = checker().engine.item(v.name);
    } catch (const ScriptError& e) {
      refuse(std::string("no text field, option group or item of that name (") + e.what() + ")");
    }
    if (!item.prepareSet) refuse("read-only");
    v.kind = Variation::Kind::Item;
    for (const std::string& value : v.values) {
      try {
        item.prepareSet(value);
      } catch (const ScriptError& e) {
        refuse(e.what());
      }
    }
  }
  return v;
}

std::vector<std::string> seeds(std::string_view text) {
  std::vector<std::string> values = valueList(text);
  for (const std::string& s : values) {
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < -32767 || v > 32767)
      throw SweepError("a seed is a whole number from -32767 to 32767, not '" + s + "'");
  }
  return values;
}

Base readBase(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw SweepError("cannot read " + path);
  Base base{path, {}};
  std::string line;
  for (int n = 1; std::getline(file, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto [first, second] = head(line);
    if (!first.empty() && first.front() != '#') {
      try {
        parseCommand(checker().engine, line, n, false);
      } catch (const ScriptError& e) {
        throw SweepError(path + ", line " + std::to_string(n) + ": " + e.what());
      }
    }
    base.lines.push_back(line);
  }
  return base;
}

std::vector<Run> grid(const std::vector<Variation>& varied, const std::vector<std::string>& seeds) {
  std::vector<Run> runs{Run{}};
  for (const Variation& v : varied) {
    std::vector<Run> next;
    for (const Run& r : runs)
      for (const std::string& value : v.values) {
        next.push_back(r);
        next.back().values.push_back(value);
      }
    runs = std::move(next);
  }
  if (!seeds.empty()) {
    std::vector<Run> next;
    for (const Run& r : runs)
      for (const std::string& s : seeds) {
        next.push_back(r);
        next.back().seed = s;
      }
    runs = std::move(next);
  }
  for (std::size_t i = 0; i < runs.size(); ++i) runs[i].number = static_cast<int>(i + 1);
  return runs;
}

const std::vector<std::string_view>& outcomeItems() {
  static const std::vector<std::string_view> items = {"TickCount",
                                                      "BodiesOn",
                                                      "Merges",
                                                      "BodiesLost",
                                                      "Aphelion",
                                                      "Perihelion",
                                                      "OrbitDistance",
                                                      "OrbitSpeed",
                                                      "OrbitEnergy",
                                                      "OrbitAngularMomentum",
                                                      "OrbitSemiMajorAxis",
                                                      "OrbitEccentricity",
                                                      "OrbitPeriod",
                                                      "WorldHash"};
  return items;
}

std::string runScript(const Base& base, const std::vector<Variation>& varied, const Run& run,
                      const RunShape& shape) {
  std::ostringstream s;
  s << "# sw4-sweep run " << run.number << " of " << shape.runs << ":";
  for (std::size_t i = 0; i < varied.size(); ++i)
    s << " " << varied[i].name << "=" << run.values[i];
  if (run.seed) s << " seed=" << *run.seed;
  s << "\n# from " << base.path << ", " << shape.ticks
    << " ticks. It replays on its own: sw4-script --overwrite run.sw4\n";
  char scale[32];
  std::snprintf(scale, sizeof scale, "%.15g", shape.scale);
  s << "scale " << scale << "\n";

  // A variation is typed, clicked or set where the base does so; otherwise it is placed here.
  std::vector<bool> placed(varied.size(), false);
  for (std::size_t i = 0; i < varied.size(); ++i)
    for (const std::string& line : base.lines) placed[i] = placed[i] || takesOver(varied[i], line);
  std::size_t go = base.lines.size();
  for (std::size_t n = 0; n < base.lines.size(); ++n)
    if (isGo(base.lines[n])) {
      go = n;
      break;
    }
  const auto beforeGo = [&] {
    for (std::size_t i = 0; i < varied.size(); ++i)
      if (!placed[i] && varied[i].kind != Variation::Kind::Item) {
        s << lineFor(varied[i], run.values[i]) << "\n";
        placed[i] = true;
      }
    if (run.seed) s << "text TXran " << *run.seed << "\n";
  };
  for (std::size_t n = 0; n < base.lines.size(); ++n) {
    if (n == go) beforeGo();
    const std::string& line = base.lines[n];
    bool taken = false;
    for (std::size_t i = 0; i < varied.size() && !taken; ++i)
      if (takesOver(varied[i], line)) {
        s << lineFor(varied[i], run.values[i]) << "\n";
        taken = true;
      }
    if (taken) continue;
    if (head(line).first == "expect") s << "# (not checked in a sweep) ";
    s << line << "\n";
  }
  if (go == base.lines.size()) {
    beforeGo();
    s << "click Command2\n";
  }
  for (std::size_t i = 0; i < varied.size(); ++i)
    if (!placed[i]) s << lineFor(varied[i], run.values[i]) << "\n";
  s << "fire Ti " << shape.ticks << "\nprint";
  for (std::string_view item : outcomeItems()) s << " " << item;
  s << "\npng thumb.png\n";
  return s.str();
}

}  // namespace sw4::sweep
