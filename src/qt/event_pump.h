#pragma once
#include <QObject>
#include <QTimer>
#include <chrono>

class QWidget;

namespace sw4 {

class Sim;

// The event processing after each pulled body of a tick. Events posted to the application are
// delivered at once; the window system's input and the timers are asked for once at least a
// millisecond has passed since they last ran (in the tick, or in the event loop it started
// from), as asking costs about a microsecond even when nothing is pending. The window's repaint
// requests that come up inside a tick wait for its end, so a tick is painted once, at its end.
class EventPump : public QObject {
 public:
  EventPump(Sim& sim, QWidget& window);

  void afterBody();
  void tickEnded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void releaseRepaint();

  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kEvery{1};

  Sim& sim_;
  QWidget& window_;
  Clock::time_point due_{};
  bool tickStarts_ = true;
  bool repaintHeld_ = false;
  bool releasing_ = false;
  QTimer releaseTimer_;
};

}  // namespace sw4
