#pragma once
#include <QString>

class QFileDialog;
class QWidget;

namespace sw4 {

// What a file dialog asks: a file to open, or a name to save under (a new one may be typed),
// with the dialog's title, where it starts (a folder, or a folder and a file name) and its filter.
struct FileQuestion {
  enum class Mode { Open, Save };
  Mode mode = Mode::Open;
  QString title, start, filter;
};

// Qt's own file dialog, never the desktop's: its list tells a file's type and icon by the name
// alone. Guessing from the content would read every file the user lists or types, and reading a
// FIFO or /proc/kmsg never ends. The caller owns it.
QFileDialog* fileDialog(QWidget* parent, const FileQuestion& question);
// Asks through that dialog; empty when the user cancelled.
QString askForFile(QWidget* parent, const FileQuestion& question);

}  // namespace sw4
