#include "sessions/session_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/sim.h"
#include "sessions/invariants.h"

namespace sw4::robust {
namespace {

TEST(SessionRunner, RunsLinesUntilTheFirstBrokenRule) {
  const Outcome clean = runLines({"click Command2", "fire Ti 3", "print TickCount"});
  EXPECT_EQ(clean.actions, 3);
  EXPECT_FALSE(clean.broken);

  const Outcome bad = runLines({"click Command2", "bogus line", "fire Ti"});
  EXPECT_EQ(bad.actions, 2);
  ASSERT_TRUE(bad.broken);
  EXPECT_EQ(ruleOf(*bad.broken), "script");
}

TEST(SessionRunner, ACounterSetOutsideItsRangeIsNotHeldAgainstTheProgram) {
  EXPECT_FALSE(runLines({"set StarIndex 5000", "fire Ti"}).broken);
  EXPECT_FALSE(runLines({"during 0 set TickCount -7", "click Command2", "fire Ti"}).broken);
}

TEST(SessionRunner, NothingRunsAfterX) {
  std::vector<long> started;
  const Outcome o =
      runLines({"click Command1", "click Command2"}, [&](long k) { started.push_back(k); });
  EXPECT_EQ(o.actions, 1);
  EXPECT_EQ(started, std::vector<long>{0});
}

TEST(SessionRunner, SessionsOfAFewSeedsKeepEveryRule) {
  for (std::uint64_t seed : {1, 2, 3}) {
    std::vector<std::string> lines;
    const Outcome o = runSession(seed, 400, [&](const std::string& l) { lines.push_back(l); });
    EXPECT_FALSE(o.broken) << "seed " << seed << ": " << *o.broken;
    EXPECT_EQ(static_cast<long>(lines.size()), o.actions);
    // Replaying what was recorded gives the same run.
    EXPECT_EQ(runLines(lines).actions, o.actions);
  }
}

}  // namespace
}  // namespace sw4::robust
