#pragma once
#include <QObject>
#include <QTimer>
#include <string>

namespace sw4 {

class Sim;
class MainWindow;

// For tools that watch the running window from outside (scripts/monkey.py): when the
// environment names a file in SW4_STATUS_FILE, the event loop rewrites it four times a second:
// a line "beat N ticks T running R", R 1 while the tick timer runs, then a line
// "control NAME X Y W H" for each control a user can click now (window pixels). A beat that
// stops tells a hung event loop; ticks that stop while running tell a stuck tick.
class StatusFile : public QObject {
 public:
  StatusFile(const Sim& sim, MainWindow& window);

 private:
  void write();

  const Sim& sim_;
  MainWindow& window_;
  std::string path_;
  QTimer timer_;
  long beat_ = 0;
};

}  // namespace sw4
