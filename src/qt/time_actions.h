#pragma once
#include <QObject>
#include <QString>
#include <functional>

#include "qt/file_dialog.h"

class QAction;

namespace sw4 {

class MainWindow;
class TimeControl;

// The keys and the drawing's menu entries of the model's time: hold, step, slower and faster,
// the timeline bar, and "Save session...", which writes the current branch of the session as a
// recording (whole or not at all) without a recording having been started.
class TimeActions : public QObject {
 public:
  explicit TimeActions(MainWindow& window);
  TimeActions(const TimeActions&) = delete;
  TimeActions& operator=(const TimeActions&) = delete;

  QAction* hold() const { return hold_; }
  QAction* step() const { return step_; }
  QAction* saveSession() const { return saveSession_; }

  // Without the file dialog; false when the file could not be written (told through `warn`).
  bool saveSessionTo(const QString& path);

  std::function<void(const QString& title, const QString& text)> warn;
  std::function<QString(const FileQuestion&)> askFile;

 private:
  void chooseSessionFile();

  MainWindow& window_;
  TimeControl& time_;
  QAction* hold_;
  QAction* step_;
  QAction* saveSession_;
};

}  // namespace sw4
