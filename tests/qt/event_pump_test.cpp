// The event processing inside a tick, as the window does it.
#include "qt/event_pump.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>

#include "platform/fault.h"
#include "program/program.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt_app.h"

namespace sw4 {
namespace {

// Counts the paints of any widget inside ticks and after them, and the window's own paints after
// them with the area they cover.
class PaintLog : public QObject {
 public:
  PaintLog(Sim& sim, QWidget& w) : sim_(sim), window_(w) { qApp->installEventFilter(this); }
  void clear() { inTick = outside = after = 0, area = 0; }
  int inTick = 0, outside = 0, after = 0;
  long area = 0;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    ++(sim_.inTick ? inTick : outside);
    if (!sim_.inTick && o == &window_) {
      ++after;
      for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
        area += static_cast<long>(r.width()) * r.height();
    }
    return false;
  }

 private:
  Sim& sim_;
  QWidget& window_;
};

// A running default system in a shown window, ticked by the test.
class EventPumpTest : public ::testing::Test {
 protected:
  EventPumpTest() {
    window.resize(1024, 768);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    sim.form.Command2.userClick();  // "Go"
    sim.form.Ti.setEnabled(false);
    tick(sim);  // repaints what "Go" cleared
    QTest::qWait(50);
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
  const HostHooks hooks{sim, window};
  PaintLog log{sim, window};
};

// The caption of the tick count changes as a tick starts, its dots come at the end: one paint
// after the tick shows both, and only around what changed.
TEST_F(EventPumpTest, ATickIsPaintedOnceAfterItsEndAroundWhatItDrew) {
  log.clear();
  tick(sim);
  QTest::qWait(50);
  EXPECT_EQ(log.inTick, 0);
  EXPECT_EQ(log.after, 1);
  EXPECT_LT(log.area, 1024L * 768 / 10);
}

TEST_F(EventPumpTest, ATickCutShortByARunTimeErrorIsPaintedToo) {
  log.clear();
  const int failing = sim.processEvents.add([](int body) {
    if (body == 100) throw Fault("a run-time error", nullptr);
  });
  EXPECT_THROW(tick(sim), Fault);
  sim.processEvents.remove(failing);
  QTest::qWait(50);
  EXPECT_GT(log.outside, 0);  // the tick count's caption
}

}  // namespace
}  // namespace sw4
