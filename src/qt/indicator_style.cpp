#include "qt/indicator_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace sw4 {

namespace {

// Whole logical pixels, unsmoothed, so every scale draws it in whole device pixels of the colour
// itself.
void drawFocusFrame(QPainter& p, const QRect& r, int width = 1) {
  const QColor c(IndicatorStyle::kFocus);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(r.left(), r.top(), r.width(), width), c);
  p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), c);
  p.fillRect(QRect(r.left(), r.top(), width, r.height()), c);
  p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), c);
  p.restore();
}

bool keyboardFocus(const QStyleOption& o) {
  return (o.state & QStyle::State_HasFocus) && (o.state & QStyle::State_KeyboardFocusChange);
}

}  // namespace

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_IndicatorRadioButton:
    case PE_IndicatorCheckBox:
      drawIndicator(element, option, painter);
      return;
    case PE_FrameFocusRect:  // asked for only while the control has the focus
      if (option->state & State_KeyboardFocusChange) drawFocusFrame(*painter, option->rect);
      return;
    case PE_FrameLineEdit:  // a field shows its focus however it came, as the text cursor does
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      if (option->state & State_HasFocus) drawFocusFrame(*painter, option->rect);
      return;
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void IndicatorStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  // Over Fusion's outline, which it only tints for the focus; inside, the caption may be close.
  if (element == CE_PushButton && keyboardFocus(*option)) drawFocusFrame(*painter, option->rect, 2);
}

void IndicatorStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if (control == CC_ScrollBar && keyboardFocus(*option)) drawFocusFrame(*painter, option->rect);
}

void IndicatorStyle::drawIndicator(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter) const {
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
