#include "platform/hook.h"

#include <gtest/gtest.h>

#include <vector>

namespace sw4 {
namespace {

TEST(Hook, ListenersSideBySideAndRemovingOneselfDuringACall) {
  Hook<void(int)> hook;
  std::vector<int> calls;
  Hook<void(int)>::Handle self = 0;
  self = hook.add([&](int v) {
    calls.push_back(v);
    hook.remove(self);                                   // gone after this call
    hook.add([&](int w) { calls.push_back(100 + w); });  // waits for the next call
  });
  hook.add([&](int v) { calls.push_back(10 + v); });
  hook(1);
  hook(2);
  EXPECT_EQ(calls, (std::vector<int>{1, 11, 12, 102}));
}

TEST(Hook, ABoolHookAsksUntilOneAnswersTrue) {
  Hook<bool(int)> hook;
  EXPECT_FALSE(hook(0));
  int asked = 0;
  hook.add([&](int) { return ++asked, false; });
  const auto yes = hook.add([&](int) { return ++asked, true; });
  hook.add([&](int) { return ++asked, true; });
  EXPECT_TRUE(hook(0));
  EXPECT_EQ(asked, 2);
  hook.remove(yes);
  EXPECT_TRUE(hook(0));
  EXPECT_EQ(asked, 4);
}

}  // namespace
}  // namespace sw4
