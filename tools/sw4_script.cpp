// sw4-script: runs a driver script (a file, or standard input) against the form model with no
// display and virtual time. Output on standard output; a script error stops the run with
// "line N: message" on standard error and exit status 2, an `expect` that does not hold with
// exit status 3, a recording cut short (or an empty script) with exit status 4. Exit status 1
// when the file cannot be read.
#include <fstream>
#include <iostream>
#include <string>

#include "model/sim.h"
#include "program/program.h"
#include "script/script_engine.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: sw4-script [FILE]\n";
    return 1;
  }
  std::ifstream file;
  std::istream* in = &std::cin;
  if (argc == 2 && std::string(argv[1]) != "-") {
    file.open(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "sw4-script: cannot open " << argv[1] << "\n";
      return 1;
    }
    in = &file;
  }
  sw4::Program sim;
  sw4::ScriptEngine engine(sim, std::cout);
  const auto failure = engine.run(*in);
  std::cout.flush();
  if (failure) {
    if (failure->line > 0) std::cerr << "line " << failure->line << ": ";
    std::cerr << failure->message << "\n";
    return failure->status;
  }
  return 0;
}
