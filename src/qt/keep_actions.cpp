#include "qt/keep_actions.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>

#include "model/sim.h"
#include "program/program.h"
#include "qt/drawing_menu.h"
#include "qt/main_window.h"
#include "qt/picture_export.h"
#include "qt/plain_message.h"
#include "qt/plot_window.h"
#include "qt/remembered.h"
#include "qt/shortcuts.h"
#include "qt/whole_file.h"
#include "setup/setup.h"

namespace sw4 {

namespace {

const QString kSetupFilter = QObject::tr("SW4 setups (*.sw4);;All files (*)");

QString documentsFolder() {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !docs.isEmpty() && QDir(docs).exists() ? docs : QDir::homePath();
}

}  // namespace

KeepActions::KeepActions(Sim& sim, MainWindow& window)
    : QObject(&window), sim_(sim), window_(window), discard_(sim, window) {
  warn = [this](const QString& title, const QString& text) { warnPlainly(&window_, title, text); };
  askFile = [this](const FileQuestion& q) { return askForFile(&window_, q); };
  Shortcuts& keys = window_.shortcuts();
  savePicture_ = keys.bindMenu(KeyAction::SavePicture, *this, [this] { choosePicture(); });
  copyPicture_ =
      keys.bindMenu(KeyAction::CopyPicture, *this, [this] { sw4::copyPicture(picture()); });
  startAnew_ = keys.bindMenu(KeyAction::StartAnew, *this, [this] {
    if (!discard_.confirm()) return;
    newRun(sim_);
    drawingChanged();
  });
  openSetup_ = keys.bindMenu(KeyAction::OpenSetup, *this, [this] { chooseSetupToOpen(); });
  saveSetup_ = keys.bindMenu(KeyAction::SaveSetup, *this, [this] { chooseSetupToSave(); });
  plot_ = keys.bindMenu(KeyAction::Plot, *this, [this] {
    PlotWindow& p = plotWindow();
    p.show();
    p.raise();
    p.activateWindow();
  });
  installDrawingMenu(window_);
}

KeepActions::~KeepActions() {
  delete plotWindow_;  // before the Sim it listens to can go
}

void KeepActions::drawingChanged() {
  window_.drawingChanged();
  window_.update();
}

PlotWindow& KeepActions::plotWindow() {
  if (!plotWindow_) plotWindow_ = new PlotWindow(sim_, &window_);
  return *plotWindow_;
}

QImage KeepActions::picture() const {
  return drawingPicture(sim_.surface, window_.devicePixelRatioF());
}

bool KeepActions::savePictureTo(const QString& path) {
  QString why;
  if (sw4::savePicture(picture(), path, why)) return true;
  warn(tr("Save picture"), notSaved(tr("The picture"), path, why));
  return false;
}

void KeepActions::choosePicture() {
  const QString start = lastFolder(FileKind::Picture, picturesFolder()) + '/' +
                        defaultPictureName(QDateTime::currentDateTime());
  QString path =
      askFile({FileQuestion::Mode::Save, tr("Save picture"), start, tr("PNG images (*.png)")});
  if (path.isEmpty()) return;
  rememberFolder(FileKind::Picture, path);
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  savePictureTo(path);
}

bool KeepActions::saveSetupTo(const QString& path) {
  const QByteArray bytes = QByteArray::fromStdString(writeSetup(sim_));
  QString why;
  if (writeWhole(path, bytes, why)) return true;
  warn(tr("Save setup"), notSaved(tr("The setup"), path, why));
  return false;
}

void KeepActions::chooseSetupToSave() {
  QString path =
      askFile({FileQuestion::Mode::Save, tr("Save setup"),
               lastFolder(FileKind::Setup, documentsFolder()) + "/sw4-setup.sw4", kSetupFilter});
  if (path.isEmpty()) return;
  rememberFolder(FileKind::Setup, path);
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".sw4");
  saveSetupTo(path);
}

bool KeepActions::openSetupFrom(const QString& path) {
  const SetupReading r = readSetupFile(QFile::encodeName(path).toStdString(), sim_.form);
  if (r.error) {
    const std::string name = QFileInfo(path).fileName().toStdString();
    warn(tr("Open setup"), QString::fromStdString(describe(*r.error, name)) +
                               tr("\n\nNothing of the setup was applied."));
    return false;
  }
  applySetup(sim_, r.steps);
  drawingChanged();
  return true;
}

void KeepActions::chooseSetupToOpen() {
  if (!discard_.confirm()) return;
  const QString path = askFile({FileQuestion::Mode::Open, tr("Open setup"),
                                lastFolder(FileKind::Setup, documentsFolder()), kSetupFilter});
  if (path.isEmpty()) return;
  rememberFolder(FileKind::Setup, path);
  openSetupFrom(path);
}

}  // namespace sw4
