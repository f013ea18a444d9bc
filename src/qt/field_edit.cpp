#include "qt/field_edit.h"

#include <QPainter>

namespace sw4 {

void FieldEdit::setRefused(bool refused) {
  if (refused == refused_) return;
  refused_ = refused;
  update();
}

void FieldEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!refused_) return;
  QPainter p(this);
  p.setPen(QPen(QColor(230, 40, 40), 2));
  // Inside the edge, where the focus shows.
  p.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}

}  // namespace sw4
