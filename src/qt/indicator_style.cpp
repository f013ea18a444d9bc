#include "qt/indicator_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace sw4 {

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  const bool enabled = option->state & State_Enabled;
  const QColor edge = enabled ? QColor(150, 150, 160) : QColor(90, 90, 98);
  const QColor ground = (option->state & State_Sunken) ? QColor(56, 56, 66) : QColor(36, 36, 44);
  const QColor mark = enabled ? QColor(kMark) : QColor(100, 120, 140);
  const QRectF r = QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(edge, 1));
  painter->setBrush(ground);
  if (element == PE_IndicatorRadioButton) {
    painter->drawEllipse(r);
    if (option->state & State_On) {
      painter->setPen(Qt::NoPen);
      painter->setBrush(mark);
      painter->drawEllipse(r.adjusted(3, 3, -3, -3));
    }
  } else {
    painter->drawRoundedRect(r, 2, 2);
    if (option->state & State_NoChange) {
      painter->fillRect(r.adjusted(3, 3, -3, -3), edge);
    } else if (option->state & State_On) {
      QPainterPath tick;
      tick.moveTo(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52);
      tick.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.74);
      tick.lineTo(r.left() + r.width() * 0.80, r.top() + r.height() * 0.26);
      painter->setPen(QPen(mark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      painter->setBrush(Qt::NoBrush);
      painter->drawPath(tick);
    }
  }
  painter->restore();
}

}  // namespace sw4
