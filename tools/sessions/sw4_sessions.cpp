// sw4-sessions: random user sessions against the form model, with the program's invariants
// checked after every action. Each session runs in a child process, so a crash or a sanitizer's
// report is caught; a failing session is cut down to a short script that still fails, written
// out so it can be kept as a regression script.
//
//   sw4-sessions [--seeds A-B] [--fresh N] [--actions N] [--jobs J] [--stall S] [--out DIR]
//                [--budget N] [--no-fork] [SEED...]
//   sw4-sessions --print SEED [--actions N]   the script of a session, as it runs
//   sw4-sessions --check FILE                 a script with the checks after each line
//
// Exit status 0 when every session ended clean, 1 when one failed, 2 on a usage error. On a
// terminal, a line on standard error says how far the run is.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "sessions/child_runs.h"
#include "sessions/invariants.h"
#include "sessions/minimiser.h"
#include "sessions/progress_line.h"
#include "sessions/session_runner.h"

namespace {

using namespace sw4::robust;

struct Options {
  std::vector<std::uint64_t> seeds;
  int actions = 2000;
  int jobs = 1;
  double stall = 120;
  std::string out = ".";
  int budget = 300;
  bool fork = true;
};

[[noreturn]] void usage(const std::string& why) {
  std::cerr << "sw4-sessions: " << why << "\n"
            << "usage: sw4-sessions [--seeds A-B] [--fresh N] [--actions N] [--jobs J] [--stall S]"
               " [--out DIR] [--budget N] [--no-fork] [SEED...]\n"
               "       sw4-sessions --print SEED [--actions N]\n"
               "       sw4-sessions --check FILE\n";
  std::exit(2);
}

// Digits only: stoull alone would take "-1" as the largest number and skip leading blanks.
std::uint64_t number(const std::string& s) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos)
    usage("not a number: " + s);
  try {
    return std::stoull(s);
  } catch (const std::exception&) {
    usage("number out of range: " + s);
  }
}

// A count for an int option, refused beyond its type instead of wrapping.
int count(const std::string& option, const std::string& s) {
  const std::uint64_t v = number(s);
  if (v > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
    usage(option + " " + s + " is above " + std::to_string(std::numeric_limits<int>::max()));
  return static_cast<int>(v);
}

// Seeds kept in memory: a range wider than this is a typing mistake, not a run.
constexpr std::uint64_t kMaxSessions = 10'000'000;

double seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// A failing run shows the same failure: the same kind of end, and for a broken rule the same
// rule.
bool sameFailure(const ChildResult& a, const ChildResult& b) {
  if (a.end != b.end) return false;
  return a.end != End::Broken || ruleOf(a.message) == ruleOf(b.message);
}

void report(std::uint64_t seed, const ChildResult& r, const Options& o) {
  std::cout << "FAIL seed " << seed << ": " << endName(r.end) << " at action " << r.actions << ": "
            << r.message << "\n";
  std::vector<std::string> prefix = r.lines;
  if (static_cast<long>(prefix.size()) > r.actions)
    prefix.resize(static_cast<std::size_t>(r.actions));
  ChildLimits quiet{o.stall, true};
  int asked = 0;
  const std::vector<std::string> small = minimise(
      prefix,
      [&](const std::vector<std::string>& lines) {
        const ChildResult c = runInChild(
            [&lines](SharedLog& log) {
              return runLines(lines, [&log](long k) { log.progress(k); });
            },
            quiet);
        return sameFailure(c, r);
      },
      o.budget, &asked);
  const std::string path = o.out + "/sw4-session-" + std::to_string(seed) + ".sw4";
  std::ofstream f(path, std::ios::binary);
  f << "# sw4-sessions seed " << seed << ", " << r.actions << " actions: " << endName(r.end) << ": "
    << r.message << "\n";
  for (const std::string& line : small) f << line << "\n";
  std::cout << "  cut from " << prefix.size() << " to " << small.size() << " lines in " << asked
            << " runs: " << path << "\n";
  for (const std::string& line : small) std::cout << "  | " << line << "\n";
}

int printSession(std::uint64_t seed, int actions) {
  runSession(seed, actions, [](const std::string& line) {
    std::cout << line << "\n" << std::flush;
  });
  return 0;
}

int checkScript(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) usage("cannot open " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const Outcome o = runLines(lines);
  if (o.broken) {
    std::cout << path << ": line " << o.actions << ": " << *o.broken << "\n";
    return 1;
  }
  std::cout << path << ": " << o.actions << " lines, every rule held\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string print, check;
  int fresh = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) usage(a + " needs a value");
      return args[++i];
    };
    if (a == "--seeds") {
      const std::string& v = value();
      const auto dash = v.find('-');
      if (dash == std::string::npos) usage("--seeds needs A-B");
      const std::uint64_t from = number(v.substr(0, dash)), to = number(v.substr(dash + 1));
      if (to < from) usage("--seeds " + v + " is an empty range");
      if (to - from >= kMaxSessions - o.seeds.size())
        usage("--seeds " + v + " is more than " + std::to_string(kMaxSessions) + " sessions");
      for (std::uint64_t s = from;; ++s) {
        o.seeds.push_back(s);
        if (s == to) break;
      }
    } else if (a == "--fresh") {
      fresh = count(a, value());
      if (static_cast<std::uint64_t>(fresh) > kMaxSessions)
        usage("--fresh is more than " + std::to_string(kMaxSessions) + " sessions");
    } else if (a == "--actions") {
      o.actions = count(a, value());
    } else if (a == "--jobs") {
      o.jobs = count(a, value());
    } else if (a == "--stall") {
      o.stall = count(a, value());
    } else if (a == "--out") {
      o.out = value();
    } else if (a == "--budget") {
      o.budget = count(a, value());
    } else if (a == "--no-fork") {
      o.fork = false;
    } else if (a == "--print") {
      print = value();
    } else if (a == "--check") {
      check = value();
    } else if (!a.empty() && a[0] != '-') {
      o.seeds.push_back(number(a));
    } else {
      usage("unknown option " + a);
    }
  }
  if (!print.empty()) return printSession(number(print), o.actions);
  if (!check.empty()) return checkScript(check);
  if (fresh > 0) {
    std::random_device rd;
    std::cout << "fresh seeds:";
    for (int k = 0; k < fresh; ++k) {
      const std::uint64_t s = (static_cast<std::uint64_t>(rd()) << 20) ^ rd();
      o.seeds.push_back(s);
      std::cout << " " << s;
    }
    std::cout << "\n";
  }
  if (o.seeds.empty()) usage("no seeds");

  const double t0 = seconds();
  long actions = 0, ticks = 0;
  std::vector<std::uint64_t> failed;
  ProgressLine progress(o.seeds.size());
  std::size_t finished = 0;
  progress.update(finished, 0);
  if (!o.fork) {
    for (std::uint64_t seed : o.seeds) {
      const Outcome r = runSession(seed, o.actions);
      actions += r.actions;
      ticks += r.ticks;
      if (r.broken) {
        progress.clear();
        std::cout << "FAIL seed " << seed << ": broken rule at action " << r.actions << ": "
                  << *r.broken << "\n";
        failed.push_back(seed);
      }
      progress.update(++finished, failed.size());
    }
  } else {
    ChildPool pool(o.jobs, ChildLimits{o.stall, false});
    auto collect = [&](std::pair<std::uint64_t, ChildResult> done) {
      actions += done.second.actions;
      ticks += done.second.ticks;
      if (done.second.end != End::Clean) {
        progress.clear();
        report(done.first, done.second, o);
        failed.push_back(done.first);
      }
      progress.update(++finished, failed.size());
    };
    const int actionsEach = o.actions;
    for (std::uint64_t seed : o.seeds) {
      pool.start(seed, [seed, actionsEach](SharedLog& log) {
        return runSession(
            seed, actionsEach, [&log](const std::string& line) { log.record(line); },
            [&log](long k) { log.progress(k); });
      });
      for (auto& done : pool.takeFinished()) collect(std::move(done));
    }
    while (auto done = pool.wait()) collect(std::move(*done));
  }
  progress.clear();
  const double t = seconds() - t0;
  std::cout << "sw4-sessions: " << o.seeds.size() << " sessions, " << actions << " actions, "
            << ticks << " ticks, " << failed.size() << " failed, " << static_cast<long>(t) << " s, "
            << static_cast<long>(t > 0 ? actions / t : 0) << " actions/s\n";
  if (!failed.empty()) {
    std::cout << "failed seeds:";
    for (std::uint64_t s : failed) std::cout << " " << s;
    std::cout << "\n";
    return 1;
  }
  return 0;
}
