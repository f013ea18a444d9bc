#pragma once
#include <QProxyStyle>

namespace sw4 {

// Fusion with check boxes and option buttons drawn for the dark theme: a light ring or box on a
// dark ground that shows also when clear, and a bright tick or dot when set (Fusion draws them
// grey on grey there).
class IndicatorStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  static constexpr QRgb kMark = qRgb(110, 190, 255);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace sw4
