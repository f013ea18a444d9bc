#include "sessions/minimiser.h"

#include <algorithm>

namespace sw4::robust {

std::vector<std::string> minimise(std::vector<std::string> lines,
                                  const std::function<bool(const std::vector<std::string>&)>& fails,
                                  int budget, int* asked) {
  int tests = 0;
  auto test = [&](const std::vector<std::string>& candidate) {
    ++tests;
    return fails(candidate);
  };
  // ddmin, complements only: split into n chunks and try dropping each; on success keep the
  // rest at a coarser split, else split finer, until chunks are single lines.
  std::size_t n = 2;
  while (lines.size() >= 2 && tests < budget) {
    const std::size_t chunk = (lines.size() + n - 1) / n;
    bool reduced = false;
    // From the end first: late lines are the likelier to be irrelevant to an early failure, and
    // the failing line itself is the last.
    for (std::size_t start = ((lines.size() - 1) / chunk) * chunk;; start -= chunk) {
      if (tests >= budget) break;
      std::vector<std::string> candidate(lines.begin(), lines.begin() + start);
      candidate.insert(candidate.end(), lines.begin() + std::min(lines.size(), start + chunk),
                       lines.end());
      if (!candidate.empty() && test(candidate)) {
        lines = std::move(candidate);
        n = std::max<std::size_t>(n - 1, 2);
        reduced = true;
        break;
      }
      if (start == 0) break;
    }
    if (!reduced) {
      if (chunk == 1) break;
      n = std::min(lines.size(), n * 2);
    }
  }
  if (asked) *asked = tests;
  return lines;
}

}  // namespace sw4::robust
