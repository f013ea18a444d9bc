#pragma once
#include <QObject>
#include <functional>
#include <map>

class QTimer;

namespace sw4 {

class Control;
class FormControls;

// One precise QTimer per model timer. A timer runs while its model is enabled with a positive
// interval (an interval of 0 or less never fires); changing the interval restarts it. Each
// timeout raises the model's timer event, then afterFire runs.
class TimerBinding : public QObject {
 public:
  TimerBinding(FormControls& form, std::function<void()> afterFire);
  ~TimerBinding() override;
  TimerBinding(const TimerBinding&) = delete;
  TimerBinding& operator=(const TimerBinding&) = delete;

  QTimer* timerOf(const Control& c) const;
  // What a timeout of c's timer does: raises c's timer event, then afterFire runs.
  void fire(Control& c);

 private:
  void sync(const Control& c, QTimer& t);

  FormControls& form_;
  std::function<void()> afterFire_;
  std::map<const Control*, QTimer*> timers_;
  std::map<Control*, int> observers_;
};

}  // namespace sw4
