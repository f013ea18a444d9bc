#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace sw4 {

class Sim;
class Recorder;
class RecordingFile;

// Recording the window's session as a driver script: from start-up with --record FILE, or with
// Ctrl+R, which asks for a file and records a new run from the start-up state, and stops a
// recording. A file that cannot be written is reported once; the run goes on unrecorded.
class SessionRecording : public QObject {
 public:
  SessionRecording(Sim& sim, QWidget& window);
  ~SessionRecording() override;  // finishes a recording still running
  SessionRecording(const SessionRecording&) = delete;
  SessionRecording& operator=(const SessionRecording&) = delete;

  // Records from now on; false (and said) when the file cannot be created.
  bool start(const QString& path);
  // Ctrl+R: stops a recording (at the end of a running tick), or asks for a file and records a
  // new run from the start-up state.
  void toggle();
  bool recording() const;
  // How Ctrl+R asks for the file (a file dialog unless replaced); an empty answer records nothing.
  void setFileQuestion(std::function<QString()> ask) { askForFile_ = std::move(ask); }
  // What Ctrl+R asks before it throws the run away for a new one; false keeps the run.
  void setDiscardQuestion(std::function<bool()> ask) { mayDiscard_ = std::move(ask); }

 private:
  bool open(const QString& path);
  void record();
  void stop();
  void complain(const std::string& what);

  Sim& sim_;
  QWidget& window_;
  std::unique_ptr<RecordingFile> file_;
  std::unique_ptr<Recorder> recorder_;
  std::function<QString()> askForFile_;
  std::function<bool()> mayDiscard_;
  bool startAfterNew_ = false;
  int newRunDone_ = 0;
};

}  // namespace sw4
