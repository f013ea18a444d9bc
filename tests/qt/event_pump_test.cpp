// The event processing inside a tick, as the window does it.
#include "qt/event_pump.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>

#include "program/program.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt_app.h"

namespace sw4 {
namespace {

// Counts the paints of any widget inside ticks, and the window's paints after them with the
// area they cover.
class PaintLog : public QObject {
 public:
  PaintLog(Sim& sim, QWidget& w) : sim_(sim), window_(w) { qApp->installEventFilter(this); }
  int inTick = 0, after = 0;
  long area = 0;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    if (sim_.inTick) {
      ++inTick;
    } else if (o == &window_) {
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

// The caption of the tick count changes as a tick starts, its dots come at the end: one paint
// after the tick shows both, and only around what changed.
TEST(EventPump, ATickIsPaintedOnceAfterItsEndAroundWhatItDrew) {
  testing::QtAppReady ready;
  Program sim;
  MainWindow window(sim);
  const HostHooks hooks(sim, window);
  window.resize(1024, 768);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  sim.form.Command2.userClick();  // "Go"
  sim.form.Ti.setEnabled(false);
  tick(sim);  // repaints what "Go" cleared
  QTest::qWait(50);
  PaintLog log(sim, window);
  tick(sim);
  QTest::qWait(50);
  EXPECT_EQ(log.inTick, 0);
  EXPECT_EQ(log.after, 1);
  EXPECT_LT(log.area, 1024L * 768 / 10);
}

}  // namespace
}  // namespace sw4
