#include "qt/whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include "platform/regular_file.h"

namespace sw4 {

bool writeWhole(const QString& path, const QByteArray& bytes, QString& why) {
  if (const std::string refused = whyNotWritable(QFile::encodeName(path).toStdString());
      !refused.empty()) {
    why = QString::fromStdString(refused);
    return false;
  }
  QSaveFile file(path);
  // Unbuffered, each write until it fails: a buffered QSaveFile drops what a full disk did not
  // take when it flushes, and commits the cut file as a success.
  bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  for (qint64 done = 0; written && done < bytes.size();) {
    const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
    written = n > 0;
    done += n;
  }
  if (written && file.commit()) return true;
  why = QStringLiteral("cannot be written: ") + file.errorString();
  file.cancelWriting();  // the temporary file goes; the old one stays
  return false;
}

QString notSaved(const QString& what, const QString& path, const QString& why) {
  return QCoreApplication::translate("sw4",
                                     "%1: %2\n\n%3 was not saved; a file of that name is left as "
                                     "it was.")
      .arg(path, why, what);
}

}  // namespace sw4
