#include "platform/control.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
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

// Anything a handler throws stays in the dispatcher: the rest of the handler is skipped, the
// caller goes on, and only the first one is told on standard error.
TEST(ControlDispatch, AnUnexpectedExceptionIsSurvivedAndToldOnce) {
  Control button("Go", -1, Kind::CommandButton);
  int reached = 0;
  button.on(Event::Click, [&reached] {
    ++reached;
    throw std::length_error("vector::_M_default_append");
  });
  const long before = unexpectedExceptions();
  ::testing::internal::CaptureStderr();
  button.userClick();
  button.userClick();
  const std::string told = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(reached, 2);
  EXPECT_EQ(unexpectedExceptions(), before + 2);
  if (before == 0) {
    EXPECT_NE(told.find("Go.Click: vector::_M_default_append"), std::string::npos) << told;
    EXPECT_EQ(told.find('\n'), told.size() - 1) << told;
  }
}

}  // namespace
}  // namespace sw4
