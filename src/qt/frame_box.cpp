#include "qt/frame_box.h"

#include <QPainter>

namespace sw4 {

namespace {

constexpr int kTitleLeft = 4;
constexpr int kTitlePad = 2;

}  // namespace

int FrameBox::borderTop() const {
  return title().isEmpty() ? 0 : fontMetrics().height() / 2;
}

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(QRect(0, borderTop(), width() - 1, height() - 1 - borderTop()));
  if (title().isEmpty()) return;
  const QFontMetrics fm = fontMetrics();
  const QRect band(kTitleLeft, 0, fm.horizontalAdvance(title()) + 2 * kTitlePad, fm.height());
  p.fillRect(band, palette().color(QPalette::Window));
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                           QPalette::WindowText));
  p.drawText(band, Qt::AlignCenter, title());
}

}  // namespace sw4
