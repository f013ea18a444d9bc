#include "qt/display_check.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace sw4 {
namespace {

bool withEnv(std::map<std::string, std::string> env) {
  return displayAvailable([&env](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  });
}

TEST(DisplayCheck, NothingSetMeansNoDisplay) {
  EXPECT_FALSE(withEnv({}));
}

TEST(DisplayCheck, EmptyValuesCountAsUnset) {
  EXPECT_FALSE(withEnv({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}));
}

TEST(DisplayCheck, AnyDisplayOrChosenPlatformIsEnough) {
  EXPECT_TRUE(withEnv({{"DISPLAY", ":99"}}));
  EXPECT_TRUE(withEnv({{"WAYLAND_DISPLAY", "wayland-0"}}));
  EXPECT_TRUE(withEnv({{"QT_QPA_PLATFORM", "offscreen"}}));
}

}  // namespace
}  // namespace sw4
