#pragma once
#include <QElapsedTimer>
#include <QObject>

namespace sw4 {

class Sim;

// For measuring the window: once a second, writes to standard error how many ticks have run
// and how many seconds have passed since it was made (sw4 --stats).
class TickStats : public QObject {
 public:
  explicit TickStats(Sim& sim);
  ~TickStats() override;
  TickStats(const TickStats&) = delete;
  TickStats& operator=(const TickStats&) = delete;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  Sim& sim_;
  int tickDone_;
  long ticks_ = 0;
  QElapsedTimer clock_;
};

}  // namespace sw4
