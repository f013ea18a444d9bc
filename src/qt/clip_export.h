#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "qt/clip_dialog.h"
#include "qt/file_dialog.h"

class QAction;
class QProcess;
class QProgressDialog;
class QTemporaryDir;

namespace sw4 {

class MainWindow;
class Sim;
class WorldView;

// The session so far with a `view` line after its header that sets the view as it stands: a
// clip of it shows the view the window shows now, from the session's start.
std::string sessionInView(const std::string& session, const WorldView& view);

// What "Export clip..." runs: the session so far, written to a temporary script, rendered by
// `sw4-script --video` (the program beside this one) in the background, exactly as the command
// line would. A progress dialog follows its ticks; Cancel (or closing the window) kills it and its
// ffmpeg and removes what it wrote. Without ffmpeg the entry says what to install and a PNG
// sequence is all it offers. A PNG sequence goes into a new folder of the chosen name, NAME.png
// giving NAME/00001.png, NAME/00002.png, ...
class ClipExport : public QObject {
 public:
  struct Clip {
    QString path;  // .mp4, .webm, .gif, or a PNG pattern such as NAME/%05d.png
    ClipSettingsChoice settings;
  };

  ClipExport(Sim& sim, MainWindow& window);
  ~ClipExport() override;
  ClipExport(const ClipExport&) = delete;
  ClipExport& operator=(const ClipExport&) = delete;

  QAction* action() const { return action_; }

  // Without the dialogs: renders the session so far into `clip.path` (a PNG pattern's folder is
  // made here). False, told through `warn`, when it cannot start.
  bool start(const Clip& clip);
  bool running() const { return process_ != nullptr; }
  // Kills the run and removes what it wrote.
  void cancel();

  // The session's ticks the run has rendered so far, from sw4-script's progress lines.
  std::int64_t ticksDone() const { return ticksDone_; }

  // How a failure is told, and a clip that is written; how the file is asked for.
  std::function<void(const QString& title, const QString& text)> warn;
  std::function<void(const QString& text)> tell;
  std::function<QString(const FileQuestion&)> askFile;
  // How the clip's settings are asked for: the dialog, unless replaced; false for Cancel.
  std::function<bool(const QString& file, ClipSettingsChoice& settings)> askSettings;

 private:
  void choose();
  // The path sw4-script is given for the file chosen: NAME.png becomes NAME/%05d.png.
  std::optional<QString> clipPath(QString chosen);
  void readProgress();
  void finished(int exitCode, bool crashed);
  void removeWritten();
  QString viewNote() const;

  Sim& sim_;
  MainWindow& window_;
  QAction* action_;
  QProcess* process_ = nullptr;
  QProgressDialog* progress_ = nullptr;
  std::unique_ptr<QTemporaryDir> scriptDir_;
  Clip clip_;
  QString frameFolder_;  // a PNG sequence's folder, empty or new before the run
  bool madeFolder_ = false;
  QByteArray pendingErr_;
  QStringList said_;  // what sw4-script said besides its progress
  std::int64_t ticksDone_ = 0, ticks_ = 0;
  bool cancelled_ = false;
};

}  // namespace sw4
