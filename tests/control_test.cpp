#include "platform/control.h"

#include <gtest/gtest.h>

#include <vector>

namespace sw4 {
namespace {

TEST(ControlRange, ScrollBarValueFollowsANarrowedRangeWithoutAChangeEvent) {
  Control bar("Bar", -1, Kind::ScrollBar);
  int changes = 0;
  std::vector<Prop> seen;
  bar.on(Event::Change, [&] { ++changes; });
  bar.setValue(500);
  ASSERT_EQ(changes, 1);
  bar.addObserver([&](Control&, Prop p) { seen.push_back(p); });

  bar.setMax(100);
  EXPECT_EQ(bar.value(), 100);
  bar.setMin(-50);  // the value is inside: it stays
  EXPECT_EQ(bar.value(), 100);
  bar.setMin(300);  // upside down: the value is held to 100..300
  EXPECT_EQ(bar.value(), 100);
  bar.setMax(400);
  EXPECT_EQ(bar.value(), 300);
  EXPECT_EQ(changes, 1);
  // The binding hears the range, then the value it moved.
  EXPECT_EQ(seen, (std::vector<Prop>{Prop::Range, Prop::Value, Prop::Range, Prop::Range,
                                     Prop::Range, Prop::Value}));
}

TEST(ControlRange, OtherControlsKeepTheirValue) {
  Control box("Box", -1, Kind::CheckBox);
  box.setValue(2);
  box.setMax(1);
  EXPECT_EQ(box.value(), 2);
}

}  // namespace
}  // namespace sw4
