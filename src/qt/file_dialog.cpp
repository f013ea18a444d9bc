#include "qt/file_dialog.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>

namespace sw4 {

namespace {

// Icons and types from the name and what stat says, never from the content.
class NameOnlyIcons : public QFileIconProvider {
 public:
  QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override {
    if (info.isRoot()) return icon(Drive);
    return icon(info.isDir() ? Folder : File);
  }
  QString type(const QFileInfo& info) const override {
    if (info.isDir()) return QFileDialog::tr("Folder");
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QFileDialog::tr("File")
                            : QFileDialog::tr("%1 File").arg(suffix.toUpper());
  }
};

NameOnlyIcons& nameOnlyIcons() {
  static NameOnlyIcons icons;
  return icons;
}

}  // namespace

QFileDialog* fileDialog(QWidget* parent, const FileQuestion& q) {
  auto* d = new QFileDialog(parent, q.title);
  d->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontUseCustomDirectoryIcons);
  d->setIconProvider(&nameOnlyIcons());
  d->setNameFilter(q.filter);
  const bool save = q.mode == FileQuestion::Mode::Save;
  d->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  d->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QFileInfo start(q.start);
  if (save && !start.isDir()) {
    d->setDirectory(start.absolutePath());
    d->selectFile(start.fileName());
  } else {
    d->setDirectory(q.start);
  }
  return d;
}

QString askForFile(QWidget* parent, const FileQuestion& q) {
  QFileDialog* d = fileDialog(parent, q);
  const bool chosen = d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty();
  const QString path = chosen ? d->selectedFiles().constFirst() : QString();
  delete d;
  return path;
}

}  // namespace sw4
