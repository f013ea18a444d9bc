#include "qt/remembered.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace sw4 {

namespace {

QString key(FileKind kind) {
  static const char* const kFolders[] = {"folders/setup", "folders/picture", "folders/csv",
                                         "folders/recording", "folders/clip"};
  return QString::fromLatin1(kFolders[static_cast<int>(kind)]);
}

QString key(WindowPlace place) {
  return place == WindowPlace::Main ? QStringLiteral("windows/main")
                                    : QStringLiteral("windows/plot");
}

const QString kDiscardWithoutAsking = QStringLiteral("questions/discardWithoutAsking");

// Only for an application that names its organisation, as the program does: a benchmark or any
// other host leaves the user's settings alone (Qt would write "Unknown Organization").
bool kept() {
  return !QCoreApplication::organizationName().isEmpty();
}

QVariant read(const QString& key) {
  return kept() ? QSettings().value(key) : QVariant();
}

void write(const QString& key, const QVariant& value) {
  if (kept()) QSettings().setValue(key, value);
}

// Within the screen's free area, frame included, at most as large as it.
void fitToScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen || window.isFullScreen() || window.isMaximized()) return;
  const QRect room = screen->availableGeometry();
  const QRect frame = window.frameGeometry();
  const QSize margins = frame.size() - window.size();
  const QSize size = window.size().boundedTo(room.size() - margins);
  QRect placed(frame.topLeft(), size + margins);
  placed.moveRight(std::min(placed.right(), room.right()));
  placed.moveBottom(std::min(placed.bottom(), room.bottom()));
  placed.moveLeft(std::max(placed.left(), room.left()));
  placed.moveTop(std::max(placed.top(), room.top()));
  window.resize(size);
  window.move(placed.topLeft());
}

}  // namespace

QString lastFolder(FileKind kind, const QString& fallback) {
  const QString folder = read(key(kind)).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

void rememberFolder(FileKind kind, const QString& chosenFile) {
  if (chosenFile.isEmpty()) return;
  write(key(kind), QFileInfo(chosenFile).absolutePath());
}

void rememberPlace(WindowPlace place, const QWidget& window) {
  write(key(place), window.saveGeometry());
}

bool restorePlace(WindowPlace place, QWidget& window) {
  const QByteArray kept = read(key(place)).toByteArray();
  if (kept.isEmpty() || !window.restoreGeometry(kept)) return false;
  fitToScreen(window);
  return true;
}

bool discardWithoutAsking() {
  return read(kDiscardWithoutAsking).toBool();
}

void setDiscardWithoutAsking(bool yes) {
  write(kDiscardWithoutAsking, yes);
}

}  // namespace sw4
