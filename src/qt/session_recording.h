#pragma once
#include <QObject>
#include <QString>
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
  // Ctrl+R.
  void toggle();
  bool recording() const;

 private:
  void stop();
  void complain(const std::string& what);

  Sim& sim_;
  QWidget& window_;
  std::unique_ptr<RecordingFile> file_;
  std::unique_ptr<Recorder> recorder_;
};

}  // namespace sw4
