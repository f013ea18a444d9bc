// Model timers drive QTimers: running while enabled with a positive interval.
#include "qt/timer_binding.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "model/fs4.h"
#include "qt_app.h"

namespace sw4 {
namespace {

class TimerBindingTest : public ::testing::Test {
 protected:
  testing::QtAppReady ready;
  Fs4 form;
  int afterFire = 0;
  TimerBinding timers{form, [this] { ++afterFire; }};
};

TEST_F(TimerBindingTest, DesignStateIsMirrored) {
  QTimer* tr = timers.timerOf(form.Tr);
  ASSERT_NE(tr, nullptr);
  EXPECT_TRUE(tr->isActive());
  EXPECT_EQ(tr->interval(), 15);
  EXPECT_EQ(tr->timerType(), Qt::PreciseTimer);
  EXPECT_FALSE(timers.timerOf(form.Ti)->isActive());
  EXPECT_FALSE(timers.timerOf(form.TiF)->isActive());
  EXPECT_EQ(timers.timerOf(form.Tiball)->interval(), 1000);
  EXPECT_EQ(timers.timerOf(form.TXn), nullptr);
}

TEST_F(TimerBindingTest, EnabledStartsAndStops) {
  QTimer* ti = timers.timerOf(form.Ti);
  form.Ti.setEnabled(true);
  EXPECT_TRUE(ti->isActive());
  form.Ti.setEnabled(false);
  EXPECT_FALSE(ti->isActive());
}

TEST_F(TimerBindingTest, IntervalChangesTheRunningPeriod) {
  QTimer* ti = timers.timerOf(form.Ti);
  form.Ti.setEnabled(true);
  form.Ti.setInterval(40);
  EXPECT_TRUE(ti->isActive());
  EXPECT_EQ(ti->interval(), 40);
  form.Ti.setEnabled(false);
  form.Ti.setInterval(25);  // a stopped timer stays stopped
  EXPECT_FALSE(ti->isActive());
  form.Ti.setEnabled(true);
  EXPECT_EQ(ti->interval(), 25);
}

TEST_F(TimerBindingTest, AnIntervalOfZeroOrLessNeverFires) {
  QTimer* tiball = timers.timerOf(form.Tiball);
  form.Tiball.setEnabled(true);
  form.Tiball.setInterval(0);
  EXPECT_FALSE(tiball->isActive());
  form.Tiball.setInterval(-5);
  EXPECT_FALSE(tiball->isActive());
  form.Tiball.setInterval(500);
  EXPECT_TRUE(tiball->isActive());
}

TEST_F(TimerBindingTest, TimeoutRaisesTheModelsTimerEvent) {
  int ticks = 0;
  form.TiF.on(Event::Timer, [&] {
    if (++ticks == 2) form.TiF.setEnabled(false);  // a handler may stop its own timer
  });
  form.TiF.setInterval(1);
  form.TiF.setEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
  EXPECT_FALSE(timers.timerOf(form.TiF)->isActive());
  EXPECT_EQ(ticks, 2);
  EXPECT_GE(afterFire, 2);
}

}  // namespace
}  // namespace sw4
