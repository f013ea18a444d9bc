#pragma once
// A widget's state as one line of text, for comparing two windows.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include "qt/caption_label.h"

namespace sw4::testing {

inline QString shown(QWidget& window, QWidget& w) {
  QString s = QStringLiteral("%1 visible=%2 enabled=%3 geometry=%4,%5,%6,%7 fore=%8 back=%9")
                  .arg(w.objectName())
                  .arg(w.isVisibleTo(&window))
                  .arg(w.isEnabled())
                  .arg(w.x())
                  .arg(w.y())
                  .arg(w.width())
                  .arg(w.height())
                  .arg(w.palette().color(w.foregroundRole()).name())
                  .arg(w.palette().color(w.backgroundRole()).name());
  if (auto* e = qobject_cast<QLineEdit*>(&w))
    s += " text=" + e->text() + QStringLiteral(" readOnly=%1").arg(e->isReadOnly());
  if (auto* c = qobject_cast<QCheckBox*>(&w)) s += QStringLiteral(" state=%1").arg(c->checkState());
  if (auto* b = qobject_cast<QAbstractButton*>(&w))
    s += " text=" + b->text() + QStringLiteral(" checked=%1").arg(b->isChecked());
  if (auto* b = qobject_cast<QScrollBar*>(&w))
    s += QStringLiteral(" range=%1..%2 value=%3")
             .arg(b->minimum())
             .arg(b->maximum())
             .arg(b->value());
  if (auto* l = qobject_cast<QLabel*>(&w)) s += " text=" + l->text();
  if (auto* l = qobject_cast<CaptionLabel*>(&w)) s += " text=" + l->text();
  if (auto* g = qobject_cast<QGroupBox*>(&w)) s += " title=" + g->title();
  return s;
}

}  // namespace sw4::testing
