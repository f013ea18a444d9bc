#include "qt/session_recording.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "model/sim.h"
#include "program/program.h"
#include "qt/file_dialog.h"
#include "qt/main_window.h"
#include "qt/remembered.h"
#include "qt/shortcuts.h"
#include "qt/time_control.h"
#include "recording/recorder.h"
#include "recording/recording_file.h"

namespace sw4 {

SessionRecording::SessionRecording(Sim& sim, MainWindow& window)
    : sim_(sim), window_(window), pulse_(new QTimer(this)) {
  window_.shortcuts().bind(KeyAction::Record, *this, [this] { toggle(); });
  askForFile_ = [this] {
    const QString path =
        askForFile(&window_, {FileQuestion::Mode::Save, QStringLiteral("Record to"),
                              lastFolder(FileKind::Recording, QString()),
                              QStringLiteral("sw4-script (*.sw4)")});
    rememberFolder(FileKind::Recording, path);
    return path;
  };
  newRunDone_ = sim_.newRunDone.add([this] {
    if (!startAfterNew_) return;
    startAfterNew_ = false;
    record();
  });
  window_.time().aroundRewind = [this](std::int64_t t, const std::function<void()>& go) {
    rewinding(t, go);
  };
  pulse_->setInterval(kPulseMs);
  connect(pulse_, &QTimer::timeout, this, [this] {
    if (recorder_) recorder_->pulse(since_.elapsed());
  });
}

SessionRecording::~SessionRecording() {
  sim_.newRunDone.remove(newRunDone_);
  stop();
}

bool SessionRecording::recording() const {
  return recorder_ && recorder_->recording();
}

bool SessionRecording::start(const QString& path) {
  if (!open(path)) return false;
  record();
  return true;
}

bool SessionRecording::open(const QString& path) {
  stop();
  auto file = std::make_unique<RecordingFile>(QFile::encodeName(path).toStdString());
  path_ = path;
  if (!file->isOpen()) {
    complain(QStringLiteral("Cannot record to %1: %2.")
                 .arg(path, QString::fromLocal8Bit(file->error().c_str())));
    return false;
  }
  file_ = std::move(file);
  return true;
}

void SessionRecording::record() {
  if (!file_) return;
  since_.start();
  recorder_ = std::make_unique<Recorder>(
      sim_,
      [this](std::string_view text) {
        if (quiet_ || file_->write(text)) return true;
        complain(QStringLiteral("The recording to %1 stopped: %2. The run goes on unrecorded.")
                     .arg(path_, QString::fromLocal8Bit(file_->error().c_str())));
        return false;
      },
      [this] { stopped(); });
  if (!recorder_->recording()) return;
  pulse_->start();
  window_.showRecording(QFileInfo(path_).fileName());
}

void SessionRecording::rewinding(std::int64_t t, const std::function<void()>& go) {
  if (!recording()) {
    go();
    return;
  }
  recorder_->pulse(since_.elapsed());
  recorder_.reset();
  const std::string line = "rewind " + std::to_string(t) + "\n";
  if (!file_->write(line)) {
    go();
    complain(QStringLiteral("The recording to %1 stopped: %2. The run goes on unrecorded.")
                 .arg(path_, QString::fromLocal8Bit(file_->error().c_str())));
    stopped();
    return;
  }
  go();
  // On from there; the new recorder's header and size are already in the file.
  quiet_ = true;
  record();
  quiet_ = false;
}

void SessionRecording::stopped() {
  pulse_->stop();
  window_.showRecording(QString());
  if (file_ && file_->isOpen() && !file_->close())
    complain(QStringLiteral("The recording to %1 could not be closed: %2.")
                 .arg(path_, QString::fromLocal8Bit(file_->error().c_str())));
}

void SessionRecording::toggle() {
  if (recording()) {
    recorder_->finishAfterTick();
    return;
  }
  if (mayDiscard_ && !mayDiscard_()) return;
  const QString path = askForFile_();
  if (path.isEmpty() || !open(path)) return;
  // A new run from the start-up state; New waits for a running tick to end, and so does the
  // recording.
  startAfterNew_ = true;
  newRun(sim_);
}

void SessionRecording::stop() {
  if (recorder_) recorder_->finish();
  recorder_.reset();
  stopped();
  file_.reset();
}

void SessionRecording::complain(const QString& message) {
  std::fprintf(stderr, "sw4: %s\n", qPrintable(message));
  // Modeless, so the run goes on while it shows; the file's name is shown as it is.
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("SW4"), message, QMessageBox::Ok,
                              &window_);
  box->setTextFormat(Qt::PlainText);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  // At start-up (--record) the window shows later: the box waits for it, so as to come on top.
  if (window_.isVisible()) {
    box->show();
  } else {
    QTimer::singleShot(0, box, &QWidget::show);
  }
}

}  // namespace sw4
