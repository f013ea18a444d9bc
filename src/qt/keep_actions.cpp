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
  savePicture_ = add(tr("Save picture..."), QStringLiteral("Ctrl+S"),
                     tr("save the drawing as a PNG picture"), [this] { choosePicture(); });
  copyPicture_ =
      add(tr("Copy picture"), QStringLiteral("Ctrl+Shift+C"),
          tr("copy the drawing to the clipboard"), [this] { sw4::copyPicture(picture()); });
  separator();
  startAnew_ = add(tr("New"), QStringLiteral("Ctrl+N"), tr("start anew, as at start-up"), [this] {
    if (!discard_.confirm()) return;
    newRun(sim_);
    drawingChanged();
  });
  openSetup_ =
      add(tr("Open setup..."), QStringLiteral("Ctrl+O"),
          tr("open a setup of fields and options (starts anew)"), [this] { chooseSetupToOpen(); });
  saveSetup_ = add(tr("Save setup..."), QStringLiteral("Ctrl+Shift+S"),
                   tr("save the fields and options as a setup"), [this] { chooseSetupToSave(); });
  separator();
  plot_ = add(tr("Plot watched body"), QStringLiteral("Ctrl+T"),
              tr("plot the watched body's distance and speed"), [this] {
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

QAction* KeepActions::add(const QString& text, const QString& keys, const QString& help,
                          std::function<void()> run) {
  auto* a = new QAction(text, &window_);
  a->setShortcut(QKeySequence(keys));
  window_.shortcuts().describe(keys, help);
  a->setShortcutContext(Qt::WindowShortcut);
  connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
  window_.addAction(a);
  return a;
}

void KeepActions::separator() {
  auto* a = new QAction(&window_);
  a->setSeparator(true);
  window_.addAction(a);
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
