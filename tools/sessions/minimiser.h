#pragma once
#include <functional>
#include <string>
#include <vector>

namespace sw4::robust {

// Delta debugging over script lines: removes chunks of lines, then single lines, while `fails`
// still says the shortened script shows the failure. `fails` is asked at most `budget` times;
// the shortest failing script found by then is returned. The script given must fail.
std::vector<std::string> minimise(std::vector<std::string> lines,
                                  const std::function<bool(const std::vector<std::string>&)>& fails,
                                  int budget, int* asked = nullptr);

}  // namespace sw4::robust
