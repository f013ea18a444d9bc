#include "qt/event_pump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include "model/sim.h"

namespace sw4 {

EventPump::EventPump(Sim& sim, QWidget& window) : sim_(sim), window_(window) {
  window_.installEventFilter(this);
  // A timer, not a posted call, so that the events posted inside a tick do not run it.
  releaseTimer_.setInterval(0);
  connect(&releaseTimer_, &QTimer::timeout, this, [this] {
    if (!sim_.inTick) releaseRepaint();
  });
}

void EventPump::afterBody() {
  QCoreApplication::sendPostedEvents();
  const Clock::time_point now = Clock::now();
  // A tick starts from the event loop, which has just let everything run.
  if (tickStarts_) {
    tickStarts_ = false;
    due_ = now + kEvery;
  }
  if (now < due_) return;
  QCoreApplication::processEvents();
  due_ = Clock::now() + kEvery;
}

void EventPump::tickEnded() {
  tickStarts_ = true;
  releaseRepaint();
}

void EventPump::releaseRepaint() {
  releaseTimer_.stop();
  if (!repaintHeld_) return;
  repaintHeld_ = false;
  // Painted now rather than posted: a post would wake the event loop once more every tick.
  QEvent request(QEvent::UpdateRequest);
  releasing_ = true;
  QCoreApplication::sendEvent(&window_, &request);
  releasing_ = false;
}

bool EventPump::eventFilter(QObject* watched, QEvent* event) {
  // Not inside a dialog's own loop, where the window must go on painting.
  if (watched == &window_ && event->type() == QEvent::UpdateRequest && sim_.inTick && !releasing_ &&
      QThread::currentThread()->loopLevel() <= 1) {
    // Also let go once a tick that a run-time error cut short (without tickEnded()) is over.
    if (!repaintHeld_) releaseTimer_.start();
    repaintHeld_ = true;
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace sw4
