#include "qt/timer_binding.h"

#include <QTimer>

#include "model/fs4.h"

namespace sw4 {

TimerBinding::TimerBinding(FormControls& form, std::function<void()> afterFire)
    : form_(form), afterFire_(std::move(afterFire)) {
  for (Control& c : form_.all()) {
    if (c.kind() != Kind::Timer) continue;
    auto* t = new QTimer(this);
    t->setTimerType(Qt::PreciseTimer);
    t->setObjectName(QString::fromStdString(c.fullName()));
    timers_[&c] = t;
    connect(t, &QTimer::timeout, this, [this, &c] { fire(c); });
    observers_[&c] = c.addObserver([this, t](Control& changed, Prop p) {
      if (p == Prop::Enabled || p == Prop::Interval) sync(changed, *t);
    });
    sync(c, *t);
  }
}

TimerBinding::~TimerBinding() {
  for (auto& [c, t] : timers_) t->stop();
  for (auto& [c, handle] : observers_) c->removeObserver(handle);
}

void TimerBinding::fire(Control& c) {
  // From the host even when it comes inside a handler (behind a modal box).
  const OutsideEventScope outside;
  c.fire();
  if (afterFire_) afterFire_();
}

QTimer* TimerBinding::timerOf(const Control& c) const {
  const auto it = timers_.find(&c);
  return it == timers_.end() ? nullptr : it->second;
}

void TimerBinding::sync(const Control& c, QTimer& t) {
  t.setInterval(c.interval() > 0 ? c.interval() : 0);
  if (c.enabled() && c.interval() > 0) {
    t.start();  // restarts the period, as a changed interval does
  } else {
    t.stop();
  }
}

}  // namespace sw4
