#include "qt/session_recording.h"

#include <QFileDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>
#include <QWidget>
#include <cstdio>

#include "model/sim.h"
#include "recording/recorder.h"
#include "recording/recording_file.h"

namespace sw4 {

SessionRecording::SessionRecording(Sim& sim, QWidget& window) : sim_(sim), window_(window) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &window_);
  connect(shortcut, &QShortcut::activated, this, [this] { toggle(); });
}

SessionRecording::~SessionRecording() { stop(); }

bool SessionRecording::recording() const { return recorder_ && recorder_->recording(); }

bool SessionRecording::start(const QString& path) {
  stop();
  auto file = std::make_unique<RecordingFile>(path.toStdString());
  if (!file->isOpen()) {
    complain(file->error());
    return false;
  }
  file_ = std::move(file);
  recorder_ = std::make_unique<Recorder>(sim_, [this](std::string_view text) {
    if (file_->write(text)) return true;
    complain(file_->error());
    return false;
  });
  return true;
}

void SessionRecording::toggle() {
  if (recording()) {
    recorder_->finishAfterTick();
    return;
  }
  const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Record to"),
                                                    QString(), QStringLiteral("sw4-script (*.sw4)"));
  if (path.isEmpty()) return;
  start(path);
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
