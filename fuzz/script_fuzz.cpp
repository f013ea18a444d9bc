// libFuzzer target: any bytes as a driver script, line by line, against a fresh program, with the
// invariants checked after every line. Script errors are expected; crashes, sanitizer reports and
// broken invariants are not. Lines that would only cost time (long runs of timer events, huge
// drawing areas) or touch files (png) are skipped.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "script/line_cursor.h"
#include "script/script_numbers.h"
#include "sessions/session_runner.h"

namespace {

constexpr int kMaxLines = 80;
constexpr long kMaxMs = 3000;     // advance, in all
constexpr long kMaxEvents = 60;   // fire counts, in all
constexpr long kMaxSide = 40000;  // size, each side in twips

// A whole number the way the driver reads one, or -1.
long whole(std::string_view w) {
  long v = 0;
  for (char c : w) {
    if (c < '0' || c > '9' || v > 100000000) return -1;
    v = v * 10 + (c - '0');
  }
  return w.empty() ? -1 : v;
}

struct Budget {
  long ms = 0, events = 0;
  // False when the line is one to skip.
  bool allows(std::string_view line) {
    sw4::LineCursor c(line);
    std::string_view cmd = c.word();
    if (cmd == "during") {
      c.word();
      cmd = c.word();
    }
    if (cmd == "png") return false;
    if (cmd == "advance") {
      const long ms = whole(c.word());
      if (ms < 0) return true;  // not a number: a script error, cheap
      return (this->ms += ms) <= kMaxMs;
    }
    if (cmd == "fire") {
      c.word();
      const std::string_view n = c.word();
      const long k = n.empty() ? 1 : whole(n);
      if (k < 0) return true;
      return (events += k) <= kMaxEvents;
    }
    if (cmd == "size") {
      const long w = whole(c.word()), h = whole(c.word());
      return w <= kMaxSide && h <= kMaxSide;
    }
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  sw4::robust::SessionRunner runner;
  Budget budget;
  std::size_t from = 0;
  for (int n = 0; n < kMaxLines && from <= script.size() && !runner.over(); ++n) {
    std::size_t end = script.find('\n', from);
    if (end == std::string_view::npos) end = script.size();
    const std::string line(script.substr(from, end - from));
    from = end + 1;
    if (!budget.allows(line)) continue;
    const auto broken = runner.step(line);
    if (!broken || broken->rfind("script:", 0) == 0) continue;
    std::fprintf(stderr, "script_fuzz: line %d: %s\n", n + 1, broken->c_str());
    std::abort();
  }
  return 0;
}
