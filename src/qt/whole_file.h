#pragma once
#include <QByteArray>
#include <QString>

namespace sw4 {

// Writes a file whole or not at all: only to a regular file (or a new one), through a temporary
// file beside it that is renamed over it once every byte is written (QSaveFile), so a failure
// leaves the old file as it was. On failure `why` says so after the file's name ("cannot be
// written: No space left on device", "is a named pipe (FIFO), not a regular file").
bool writeWhole(const QString& path, const QByteArray& bytes, QString& why);

// "FILE: why" and what became of the file, for a message shown as plain text.
QString notSaved(const QString& what, const QString& path, const QString& why);

}  // namespace sw4
