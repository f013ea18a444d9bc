#include "qt/shape_widget.h"

#include <QPainter>

#include "platform/control.h"
#include "qt/qt_theme.h"

namespace sw4 {

ShapeWidget::ShapeWidget(const Control& shape, QWidget* parent) : QWidget(parent), shape_(shape) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(toQColor(shape_.borderColor()), 1.5));
  p.setBrush(toQColor(shape_.fillColor()));
  p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace sw4
