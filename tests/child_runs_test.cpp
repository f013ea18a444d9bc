#include "sessions/child_runs.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <map>

namespace sw4::robust {
namespace {

ChildLimits quiet(double stall = 30) {
  return ChildLimits{stall, true};
}

TEST(ChildRuns, ACleanJobAndABrokenRule) {
  const ChildResult clean = runInChild(
      [](SharedLog& log) {
        log.record("a");
        Outcome o;
        o.actions = 1;
        return o;
      },
      quiet());
  EXPECT_EQ(clean.end, End::Clean);
  EXPECT_EQ(clean.actions, 1);

  const ChildResult bad = runInChild(
      [](SharedLog&) {
        Outcome o;
        o.actions = 4;
        o.broken = "body value: PlanetX(3)=nan";
        return o;
      },
      quiet());
  EXPECT_EQ(bad.end, End::Broken);
  EXPECT_EQ(bad.actions, 4);
  EXPECT_EQ(bad.message, "body value: PlanetX(3)=nan");
}

TEST(ChildRuns, ACrashKeepsTheLinesUpToTheOneThatCrashed) {
  const ChildResult r = runInChild(
      [](SharedLog& log) -> Outcome {
        for (long k = 0; k < 3; ++k) {
          log.record("line " + std::to_string(k));
          log.progress(k);
        }
        std::raise(SIGSEGV);
        return {};
      },
      quiet());
  EXPECT_EQ(r.end, End::Crashed);
  EXPECT_EQ(r.actions, 3);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"line 0", "line 1", "line 2"}));
}

TEST(ChildRuns, ALineThatNeverEndsIsAHang) {
  const ChildResult r = runInChild(
      [](SharedLog& log) -> Outcome {
        log.record("spin");
        log.progress(0);
        for (volatile bool forever = true; forever;) {
        }
        return {};
      },
      quiet(0.3));
  EXPECT_EQ(r.end, End::Hung);
  EXPECT_EQ(r.lines, std::vector<std::string>{"spin"});
}

TEST(ChildRuns, APoolRunsEveryJobAndTellsThemApart) {
  ChildPool pool(2, quiet());
  for (std::uint64_t tag = 0; tag < 6; ++tag) {
    pool.start(tag, [tag](SharedLog&) {
      Outcome o;
      o.actions = static_cast<long>(tag);
      if (tag % 3 == 0) o.broken = "count: " + std::to_string(tag);
      return o;
    });
  }
  std::map<std::uint64_t, ChildResult> seen;
  while (auto done = pool.wait()) seen.emplace(done->first, done->second);
  ASSERT_EQ(seen.size(), 6u);
  for (auto& [tag, r] : seen) {
    EXPECT_EQ(r.actions, static_cast<long>(tag));
    EXPECT_EQ(r.end, tag % 3 == 0 ? End::Broken : End::Clean) << tag;
  }
}

}  // namespace
}  // namespace sw4::robust
