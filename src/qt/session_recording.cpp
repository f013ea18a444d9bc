#include "qt/session_recording.h"

#include <QFileDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>
#include <QWidget>
#include <cstdio>

#include "model/sim.h"
#include "program/program.h"
#include "qt/remembered.h"
#include "recording/recorder.h"
#include "recording/recording_file.h"

namespace sw4 {

SessionRecording::SessionRecording(Sim& sim, QWidget& window) : sim_(sim), window_(window) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &window_);
  connect(shortcut, &QShortcut::activated, this, [this] { toggle(); });
  askForFile_ = [this] {
    const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Record to"),
                                                      lastFolder(FileKind::Recording, QString()),
                                                      QStringLiteral("sw4-script (*.sw4)"));
    rememberFolder(FileKind::Recording, path);
    return path;
  };
  newRunDone_ = sim_.newRunDone.add([this] {
    if (!startAfterNew_) return;
    startAfterNew_ = false;
    record();
  });
}

SessionRecording::~SessionRecording() {
  sim_.newRunDone.remove(newRunDone_);
  stop();
}

bool SessionRecording::recording() const { return recorder_ && recorder_->recording(); }

bool SessionRecording::start(const QString& path) {
  if (!open(path)) return false;
  record();
  return true;
}

bool SessionRecording::open(const QString& path) {
  stop();
  auto file = std::make_unique<RecordingFile>(path.toStdString());
  if (!file->isOpen()) {
    complain(file->error());
    return false;
  }
  file_ = std::move(file);
  return true;
}

void SessionRecording::record() {
  if (!file_) return;
  recorder_ = std::make_unique<Recorder>(sim_, [this](std::string_view text) {
    if (file_->write(text)) return true;
    complain(file_->error());
    return false;
  });
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
  if (file_ && !file_->close()) complain(file_->error());
  file_.reset();
}

void SessionRecording::complain(const std::string& what) {
  const std::string message = "sw4: recording stopped: " + what;
  std::fprintf(stderr, "%s\n", message.c_str());
  // Modeless, so the run goes on while it shows.
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("SW4"),
                              QString::fromStdString(message), QMessageBox::Ok, &window_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

}  // namespace sw4
