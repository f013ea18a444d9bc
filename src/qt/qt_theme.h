#pragma once
#include <QColor>
#include <QFont>

#include "platform/color.h"

class QApplication;

namespace sw4 {

// The window's look: the Fusion style (its check boxes and options redrawn for the dark) with a
// dark palette and one small font for every control.
void applyTheme(QApplication& app);
QFont controlFont();

inline QColor toQColor(Color c) {
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

}  // namespace sw4
