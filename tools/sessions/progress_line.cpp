#include "sessions/progress_line.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace sw4::robust {

namespace {

double seconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

ProgressLine::ProgressLine(std::size_t total)
    : terminal_(isatty(STDERR_FILENO) == 1), total_(total), start_(seconds()) {}

void ProgressLine::update(std::size_t done, std::size_t failed) {
  if (!terminal_) return;
  const double now = seconds();
  if (done < total_ && now - last_ < 0.1) return;
  last_ = now;
  std::fprintf(stderr, "\rsw4-sessions: %zu of %zu sessions, %zu failed, %ld s\033[K", done, total_,
               failed, static_cast<long>(now - start_));
  std::fflush(stderr);
  shown_ = true;
}

void ProgressLine::clear() {
  if (!shown_) return;
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
  shown_ = false;
}

}  // namespace sw4::robust
