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
  if (!repaintHeld_) return;
  repaintHeld_ = false;
  QCoreApplication::postEvent(&window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

// Also for a tick cut short by a run-time error, which ends without tickEnded().
void EventPump::releaseOnceTheTickIsOver() {
  if (!repaintHeld_) return;
  if (sim_.inTick) {
    QTimer::singleShot(0, this, [this] { releaseOnceTheTickIsOver(); });
  } else {
    releaseRepaint();
  }
}

bool EventPump::eventFilter(QObject* watched, QEvent* event) {
  // Not inside a dialog's own loop, where the window must go on painting.
  if (watched == &window_ && event->type() == QEvent::UpdateRequest && sim_.inTick &&
      QThread::currentThread()->loopLevel() <= 1) {
    if (!repaintHeld_) QTimer::singleShot(0, this, [this] { releaseOnceTheTickIsOver(); });
    repaintHeld_ = true;
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace sw4
