// sw4-sweep-plan: the part of sw4-sweep that knows the form and the driver. sw4-sweep calls it
//   sw4-sweep-plan plan DIR BASE TICKS SCALE [--vary NAME=VALUES]... [--seeds VALUES]
// to check the request and write DIR/plan.tsv, a self-contained script for each run
// (DIR/runs/NNNN/run.sw4) and DIR/tasks.txt, one shell command a run; and
//   sw4-sweep-plan gather DIR TITLE
// to write DIR/results.csv and DIR/results.js from what the runs left. Exit status 2 with a
// message on standard error when the request does not fit, 1 when a file cannot be written.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "sweep/results_table.h"
#include "sweep/run_plan.h"

namespace fs = std::filesystem;
using namespace sw4::sweep;

namespace {

constexpr int kMostRuns = 100000;

struct WriteError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void write(const fs::path& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << text;
  if (!f.flush()) throw WriteError("cannot write " + path.string());
}

std::string readAll(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw SweepError("cannot read " + path.string());
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// A path for a shell's single quotes.
std::string shellQuoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

int plan(const std::vector<std::string>& args) {
  if (args.size() < 4)
    throw SweepError("plan DIR BASE TICKS SCALE [--vary NAME=VALUES]... [--seeds VALUES]");
  const fs::path dir = fs::absolute(args[0]);
  RunShape shape;
  try {
    shape.ticks = std::stoi(args[2]);
    shape.scale = std::stod(args[3]);
  } catch (const std::exception&) {
    throw SweepError("ticks and scale must be numbers");
  }
  if (shape.ticks < 0) throw SweepError("--ticks must be 0 or more");
  if (!(shape.scale > 0 && shape.scale <= 8))
    throw SweepError("--scale must be above 0 and at most 8");
  std::vector<Variation> varied;
  std::vector<std::string> seedValues;
  for (std::size_t i = 4; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) throw SweepError(args[i] + " needs a value");
    if (args[i] == "--vary")
      varied.push_back(variation(args[i + 1]));
    else if (args[i] == "--seeds")
      seedValues = seeds(args[i + 1]);
    else
      throw SweepError("unknown option " + args[i]);
  }
  const Base base = readBase(fs::absolute(args[1]).string());
  double count = seedValues.empty() ? 1 : static_cast<double>(seedValues.size());
  for (const Variation& v : varied) count *= static_cast<double>(v.values.size());
  if (count > kMostRuns) throw SweepError("more than " + std::to_string(kMostRuns) + " runs");
  const std::vector<Run> runs = grid(varied, seedValues);
  shape.runs = static_cast<int>(runs.size());

  std::string tasks;
  for (const Run& r : runs) {
    const fs::path folder = dir / runFolder(r.number);
    fs::create_directories(folder);
    write(folder / "run.sw4", runScript(base, varied, r, shape));
    tasks += "cd " + shellQuoted(folder.string()) +
             " && sw4-script --overwrite run.sw4 >out.txt 2>err.txt; echo $? >status\n";
  }
  write(dir / "plan.tsv", planTsv(varied, !seedValues.empty(), runs));
  write(dir / "tasks.txt", tasks);
  std::cout << runs.size() << "\n";
  return 0;
}

int gather(const std::vector<std::string>& args) {
  if (args.size() != 2) throw SweepError("gather DIR TITLE");
  const fs::path dir = args[0];
  const Plan p = readPlanTsv(readAll(dir / "plan.tsv"));
  const std::string csv = resultsCsv(dir.string(), p);
  write(dir / "results.csv", csv);
  write(dir / "results.js", resultsJs(csv, p, args[1]));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> all(argv + 1, argv + argc);
  try {
    if (!all.empty() && all[0] == "plan") return plan({all.begin() + 1, all.end()});
    if (!all.empty() && all[0] == "gather") return gather({all.begin() + 1, all.end()});
    throw SweepError("usage: sw4-sweep-plan plan|gather ...");
  } catch (const SweepError& e) {
    std::cerr << "sw4-sweep: " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "sw4-sweep: " << e.what() << "\n";
    return 1;
  }
}
