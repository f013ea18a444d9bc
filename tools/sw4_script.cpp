// sw4-script: runs a driver script (a file, or standard input) against the form model with no
// display and virtual time. Output on standard output; a script error stops the run with
// "line N: message" on standard error and exit status 2, an `expect` that does not hold with
// exit status 3, a recording cut short (or an empty script) with exit status 4. Exit status 1 when
// the command line is wrong or the script cannot be read.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "model/sim.h"
#include "platform/regular_file.h"
#include "program/program.h"
#include "script/script_engine.h"

namespace {

constexpr std::string_view kUsage =
    "usage: sw4-script [--out DIR] [--overwrite] [FILE | -]\n"
    "Runs a script of user actions against SW4 with no display (standard input when FILE is\n"
    "- or missing and standard input is not a terminal).\n"
    "  --out DIR     png writes below DIR (default: below the current directory)\n"
    "  --overwrite   png may replace an existing file\n"
    "  --help        shows this help\n"
    "  --version     shows the version\n"
    "Exit status: 0 done, 1 bad command line or unreadable script, 2 script error,\n"
    "3 an expect did not hold, 4 a recording cut short or an empty script.\n";

struct Options {
  std::string file;  // empty: standard input
  bool fileGiven = false;
  std::string out;
  bool overwrite = false;
};

int usageError(const std::string& what) {
  std::cerr << "sw4-script: " << what << "\n" << kUsage;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (a == "--version") {
      std::cout << "sw4-script " << SW4_VERSION << "\n";
      return 0;
    }
    if (a == "--overwrite") {
      o.overwrite = true;
    } else if (a == "--out" || a.starts_with("--out=")) {
      if (a == "--out" && i + 1 == argc) return usageError("--out needs a directory");
      o.out = a == "--out" ? argv[++i] : std::string(a.substr(6));
      if (o.out.empty()) return usageError("--out needs a directory");
    } else if (a.size() > 1 && a.front() == '-') {
      return usageError("unknown option " + std::string(a));
    } else if (o.fileGiven) {
      return usageError("one script at a time");
    } else {
      o.fileGiven = true;
      if (a != "-") o.file = a;
    }
  }
  if (!o.fileGiven && isatty(STDIN_FILENO)) {
    std::cerr << kUsage;
    return 1;
  }
  if (!o.out.empty() && sw4::fileKind(o.out) != sw4::FileKind::Directory) {
    std::cerr << "sw4-script: --out " << o.out << ": not a directory\n";
    return 1;
  }
  std::ifstream file;
  std::istream* in = &std::cin;
  if (!o.file.empty()) {
    if (sw4::fileKind(o.file) == sw4::FileKind::Directory) {
      std::cerr << "sw4-script: " << o.file << ": is a directory, not a script\n";
      return 1;
    }
    file.open(o.file, std::ios::binary);
    if (!file) {
      std::cerr << "sw4-script: cannot open " << o.file << ": " << std::strerror(errno) << "\n";
      return 1;
    }
    in = &file;
  }
  sw4::Program sim;
  sw4::ScriptEngine engine(sim, std::cout);
  engine.setOutput(sw4::OutputPlace(o.out, o.overwrite));
  const auto failure = engine.run(*in);
  std::cout.flush();
  if (failure) {
    if (failure->line > 0) std::cerr << "line " << failure->line << ": ";
    std::cerr << failure->message << "\n";
    return failure->status;
  }
  return 0;
}
