#pragma once
#include <QProxyStyle>

namespace sw4 {

// Fusion with check boxes and option buttons drawn for the dark theme: a light ring or box on a
// dark ground that shows also when clear, and a bright tick or dot when set (Fusion draws them
// grey on grey there). The focus shows as a bright frame on every control that takes it (Fusion's
// is a faint tint on the dark theme): round a check box's or option's caption, on the edge of a
// button, a field or a scroll bar.
class IndicatorStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  static constexpr QRgb kMark = qRgb(110, 190, 255);
  // Light enough for 3:1 against the lightest face of a button, as against the dark panels.
  static constexpr QRgb kFocus = qRgb(170, 220, 255);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;

 private:
  void drawIndicator(PrimitiveElement element, const QStyleOption* option, QPainter* painter) const;
};

}  // namespace sw4
