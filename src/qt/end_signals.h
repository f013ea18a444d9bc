#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace sw4 {

// SIGINT, SIGTERM and SIGHUP end the program the way closing its window does: the handler only
// writes a byte to a pipe, whose reading end the event loop watches, and `end` runs there. The
// handler gives the signal back its default action, so a second one ends a program that no
// longer answers; a signal ignored when the program started (nohup) stays ignored. One at a time.
class EndSignals : public QObject {
 public:
  explicit EndSignals(std::function<void()> end);
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  std::function<void()> end_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace sw4
