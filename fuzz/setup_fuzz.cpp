// libFuzzer target: any bytes as a setup file. The reader either refuses the file whole, naming
// a line the file has, or its steps apply on a fresh program with the invariants intact; and the
// setup written from the form that results reads back without an error.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sessions/invariants.h"
#include "sessions/session_runner.h"
#include "setup/setup.h"

namespace {

constexpr std::size_t kMaxSteps = 60;

[[noreturn]] void finding(const char* what, const std::string& detail) {
  std::fprintf(stderr, "setup_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  sw4::robust::SessionRunner runner;
  sw4::Sim& sim = runner.sim();
  const sw4::SetupReading reading = sw4::readSetup(content, sim.form);
  if (reading.error) {
    const long lines = std::count(content.begin(), content.end(), '\n') + 1;
    if (reading.error->line < 0 || reading.error->line > lines)
      finding("refused at a line the file does not have", describe(*reading.error, "input"));
    if (!reading.steps.empty()) finding("refused, yet steps to apply", reading.error->message);
    return 0;
  }
  if (reading.steps.size() > kMaxSteps) return 0;
  sw4::applySetup(sim, reading.steps);
  if (const auto broken = sw4::robust::Invariants{}.check(sim)) finding("after applying", *broken);
  const std::string written = sw4::writeSetup(sim);
  const sw4::SetupReading again = sw4::readSetup(written, sim.form);
  if (again.error)
    finding("a written setup is refused", describe(*again.error, "written") + "\n" + written);
  return 0;
}
