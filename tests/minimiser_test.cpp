#include "sessions/minimiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace sw4::robust {
namespace {

std::vector<std::string> numbered(int n) {
  std::vector<std::string> v;
  for (int i = 0; i < n; ++i) v.push_back("line " + std::to_string(i));
  return v;
}

// Fails when both lines are there, the first before the second.
auto needsInOrder(const std::string& a, const std::string& b) {
  return [a, b](const std::vector<std::string>& lines) {
    const auto ia = std::find(lines.begin(), lines.end(), a);
    return ia != lines.end() && std::find(ia, lines.end(), b) != lines.end();
  };
}

TEST(Minimiser, KeepsOnlyTheLinesTheFailureNeeds) {
  int asked = 0;
  const auto small = minimise(numbered(500), needsInOrder("line 17", "line 433"), 1000, &asked);
  EXPECT_EQ(small, (std::vector<std::string>{"line 17", "line 433"}));
  EXPECT_LE(asked, 1000);
}

TEST(Minimiser, StopsAtItsBudgetWithAScriptThatStillFails) {
  int asked = 0;
  const auto fails = needsInOrder("line 3", "line 290");
  const auto small = minimise(numbered(300), fails, 5, &asked);
  EXPECT_EQ(asked, 5);
  EXPECT_TRUE(fails(small));
  EXPECT_LT(small.size(), 300u);
}

TEST(Minimiser, ASingleLineStaysAsItIs) {
  const auto small = minimise(
      {"only"}, [](const auto& l) { return !l.empty(); }, 100);
  EXPECT_EQ(small, std::vector<std::string>{"only"});
}

}  // namespace
}  // namespace sw4::robust
