// The event processing inside a tick, as the window does it.
#include "qt/event_pump.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>
#include <QTimer>

#include "event_count.h"
#include "model/fs4.h"
#include "platform/fault.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt/time_control.h"
#include "qt_app.h"

namespace sw4 {
namespace {

// Counts the paints of any widget in the middle of a tick (before its end is told) and outside
// ticks, and the window's own paints from a tick's end on, with the area they cover. Made before
// the host's hooks, so it hears of a tick's end first.
class PaintLog : public QObject {
 public:
  PaintLog(Sim& sim, QWidget& w) : sim_(sim), window_(w) {
    qApp->installEventFilter(this);
    ended_ = sim_.tickDone.add([this] { ended = true; });
  }
  ~PaintLog() override { sim_.tickDone.remove(ended_); }
  void clear() { midTick = outside = after = 0, area = 0, ended = false; }
  int midTick = 0, outside = 0, after = 0;
  long area = 0;
  bool ended = false;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    if (sim_.inTick && !ended) ++midTick;
    if (!sim_.inTick) ++outside;
    if ((ended || !sim_.inTick) && o == &window_) {
      ++after;
      for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
        area += static_cast<long>(r.width()) * r.height();
    }
    return false;
  }

 private:
  Sim& sim_;
  QWidget& window_;
  int ended_ = 0;
};

// A running default system in a shown window, ticked by the test.
class EventPumpTest : public ::testing::Test {
 protected:
  EventPumpTest() {
    window.resize(1024, 768);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    sim.form.Command2.userClick();                 // "Go"
    window.time().setHeld(true);       // the test fires the ticks
    window.time().fire(sim.form.Ti);  // repaints what "Go" cleared
    QTest::qWait(50);
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
  PaintLog log{sim, window};
  const HostHooks hooks{sim, window};
};

// The caption of the tick count changes as a tick starts, its dots come at the end: one paint
// at the tick's end shows both, and only around what changed.
TEST_F(EventPumpTest, ATickIsPaintedOnceAfterItsEndAroundWhatItDrew) {
  log.clear();
  window.time().fire(sim.form.Ti);
  QTest::qWait(50);
  EXPECT_EQ(log.midTick, 0);
  EXPECT_EQ(log.after, 1);
  EXPECT_LT(log.area, 1024L * 768 / 10);
}

TEST_F(EventPumpTest, ATickCutShortByARunTimeErrorIsPaintedToo) {
  log.clear();
  const int failing = sim.processEvents.add([](int body) {
    if (body == 100) throw Fault("a run-time error", nullptr);
  });
  window.time().fire(sim.form.Ti);  // the dispatcher cuts the tick short
  sim.processEvents.remove(failing);
  QTest::qWait(50);
  EXPECT_GT(log.outside, 0);  // the tick count's caption
}

// Labels do not update themselves: the window repaints the area of one on the window, and one on
// a frame (which is opaque) is updated on its own.
TEST_F(EventPumpTest, ANewCaptionIsPaintedOnTheWindowAndOnAFrame) {
  for (Control* label : {&sim.form.Label11, &sim.form.Lapollo}) {
    label->setVisible(true);
    QTest::qWait(20);
    const testing::EventCount paints(*window.controls().widgetOf(*label), QEvent::Paint);
    label->setCaption("4242");
    QTest::qWait(50);
    EXPECT_GT(paints.n, 0) << label->fullName();
  }
}

}  // namespace
}  // namespace sw4
