#pragma once
#include <cstddef>

namespace sw4::robust {

// How far a run of sessions is, as one line on standard error rewritten in place
// ("sw4-sessions: 12 of 40 sessions, 0 failed, 9 s"): only when standard error is a terminal, at
// most ten times a second, and always for the last session.
class ProgressLine {
 public:
  explicit ProgressLine(std::size_t total);
  ~ProgressLine() { clear(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void update(std::size_t done, std::size_t failed);
  // Takes the line away, so other output starts on a clean line.
  void clear();

 private:
  bool terminal_;
  bool shown_ = false;
  std::size_t total_;
  double start_, last_ = -1;
};

}  // namespace sw4::robust
