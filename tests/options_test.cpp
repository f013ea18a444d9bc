#include "model/options.h"

#include <gtest/gtest.h>

#include "model/fs4.h"

namespace sw4 {
namespace {

TEST(Options, NamedAfterTheirButtons) {
  Fs4 f;
  const char* borders[] = {"Slomo", "Wall", "Wrap", "Comet", "Edge", "4-dim", "Chaos", "Die"};
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(option(f, static_cast<BorderBehaviour>(k)).caption(), borders[k]);
  EXPECT_EQ(option(f, CollisionMode::Merge).caption(), "Merge");
  EXPECT_EQ(option(f, CollisionMode::Bond).caption(), "Bond");
  EXPECT_EQ(option(f, CollisionMode::Ignor).caption(), "Ignor");
}

}  // namespace
}  // namespace sw4
