#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QTimer;

namespace sw4 {

class Sim;
class MainWindow;
class Recorder;
class RecordingFile;

// Recording the window's session as a driver script: from start-up with --record FILE, or with
// Ctrl+R, which asks for a file and records a new run from the start-up state, and stops a
// recording. While it runs the window says so; what reaches the file goes out twice a second. A
// file that cannot be opened or written is reported in the window with the system's reason; the
// run goes on unrecorded.
class SessionRecording : public QObject {
 public:
  SessionRecording(Sim& sim, MainWindow& window);
  ~SessionRecording() override;  // finishes a recording still running
  SessionRecording(const SessionRecording&) = delete;
  SessionRecording& operator=(const SessionRecording&) = delete;

  static constexpr int kPulseMs = 500;

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
  // Going back to position T: the recording says so and keeps out the replay that gets there.
  void rewinding(std::int64_t t, const std::function<void()>& go);
  bool open(const QString& path);
  void record();
  void stop();
  // The recorder has stopped: the window says so and the file is closed.
  void stopped();
  void complain(const QString& what);

  Sim& sim_;
  MainWindow& window_;
  QString path_;
  std::unique_ptr<RecordingFile> file_;
  std::unique_ptr<Recorder> recorder_;
  QTimer* pulse_;
  QElapsedTimer since_;
  std::function<QString()> askForFile_;
  std::function<bool()> mayDiscard_;
  bool startAfterNew_ = false;
  bool quiet_ = false;  // what the recorder writes goes nowhere
  int newRunDone_ = 0;
};

}  // namespace sw4
