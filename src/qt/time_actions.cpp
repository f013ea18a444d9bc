#include "qt/time_actions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "qt/main_window.h"
#include "qt/plain_message.h"
#include "qt/remembered.h"
#include "qt/shortcuts.h"
#include "qt/time_control.h"
#include "qt/whole_file.h"

namespace sw4 {

TimeActions::TimeActions(MainWindow& window)
    : QObject(&window), window_(window), time_(window.time()) {
  warn = [this](const QString& title, const QString& text) { warnPlainly(&window_, title, text); };
  askFile = [this](const FileQuestion& q) { return askForFile(&window_, q); };
  Shortcuts& keys = window_.shortcuts();
  hold_ = keys.bindMenu(KeyAction::Hold, *this, [this] { time_.setHeld(!time_.held()); });
  hold_->setCheckable(true);
  step_ = keys.bindMenu(KeyAction::Step, *this, [this] { time_.step(); });
  keys.bind(KeyAction::Slower, *this, [this] { time_.setSpeed(time_.speed() - 1); });
  keys.bind(KeyAction::Faster, *this, [this] { time_.setSpeed(time_.speed() + 1); });
  keys.bind(KeyAction::TimelineBar, *this, [this] { window_.toggleTimelineBar(); });
  saveSession_ = keys.bindMenu(KeyAction::SaveSession, *this, [this] { chooseSessionFile(); });
  const auto previous = time_.changed;
  time_.changed = [this, previous] {
    hold_->setChecked(time_.held());
    if (previous) previous();
  };
}

bool TimeActions::saveSessionTo(const QString& path) {
  const QByteArray bytes = QByteArray::fromStdString(time_.session());
  QString why;
  if (writeWhole(path, bytes, why)) return true;
  warn(tr("Save session"), notSaved(tr("The session"), path, why));
  return false;
}

void TimeActions::chooseSessionFile() {
  QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (docs.isEmpty() || !QDir(docs).exists()) docs = QDir::homePath();
  QString path = askFile({FileQuestion::Mode::Save, tr("Save session"),
                          lastFolder(FileKind::Recording, docs) + "/sw4-session.sw4",
                          tr("sw4-script (*.sw4)")});
  if (path.isEmpty()) return;
  rememberFolder(FileKind::Recording, path);
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".sw4");
  saveSessionTo(path);
}

}  // namespace sw4
