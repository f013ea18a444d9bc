#pragma once
#include <QObject>
#include <QTimer>
#include <string>

namespace sw4 {

class Sim;

// For tools that watch the running window from outside (scripts/monkey.py): when the
// environment names a file in SW4_STATUS_FILE, the event loop rewrites it four times a second
// with one line "beat N ticks T running R", R 1 while the tick timer runs. A beat that stops
// tells a hung event loop; ticks that stop while running tell a stuck tick.
class StatusFile : public QObject {
 public:
  explicit StatusFile(const Sim& sim);

 private:
  void write();

  const Sim& sim_;
  std::string path_;
  QTimer timer_;
  long beat_ = 0;
};

}  // namespace sw4
