#pragma once
#include <QString>

class QWidget;

namespace sw4 {

// A modal warning whose text is shown as it stands: a file name or a typed text may look like
// markup ("<font size=7>...") and must not be rendered as such.
void warnPlainly(QWidget* parent, const QString& title, const QString& text);

}  // namespace sw4
