#include "qt/view_picture.h"

#include <QElapsedTimer>
#include <QPainter>
#include <cmath>

#include "model/sim.h"
#include "qt/qt_theme.h"
#include "view/world_view.h"

namespace sw4 {

namespace {

// "x2.5", "x0.8", and a whole fraction as one: "x1/16".
QString zoomName(double zoom) {
  const double inverse = 1 / zoom;
  if (zoom < 1 && std::fabs(inverse - std::round(inverse)) < 1e-6)
    return QStringLiteral("x1/%1").arg(std::round(inverse));
  return QStringLiteral("x") + QString::number(zoom, 'g', 3);
}

}  // namespace

QRect ViewPicture::figureRect(int right, int bottom) {
  constexpr int kWidth = 150, kHeight = 20, kMargin = 8;
  return {right - kMargin - kWidth, bottom - kMargin - kHeight, kWidth, kHeight};
}

QString ViewPicture::figure() const {
  QString text = zoomName(view_.zoom());
  if (view_.followed() >= 0) text += QStringLiteral("  body %1").arg(view_.followed());
  return text;
}

void ViewPicture::render() {
  const Surface& s = sim_.surface;
  const QSize size(s.widthPixels(), s.heightPixels());
  if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
  QElapsedTimer clock;
  clock.start();
  if (!image_.isNull())
    view_.render(PixelTarget{reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(),
                             image_.height(), static_cast<int>(image_.bytesPerLine() / 4)});
  renderNs_ = clock.nsecsElapsed();
  stale_ = false;
}

void ViewPicture::paint(QPainter& p, const QRegion& region, const QRect& figureAt) {
  if (stale_ || image_.size() != QSize(sim_.surface.widthPixels(), sim_.surface.heightPixels()))
    render();
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect area = image_.rect();
  for (const QRect& r : region & area) p.drawImage(r.topLeft(), image_, r);
  for (const QRect& r : region - area) p.fillRect(r, toQColor(sim_.surface.background()));
  if (!region.intersects(figureAt)) return;
  QFont f = p.font();
  f.setPixelSize(12);
  p.setFont(f);
  p.setRenderHint(QPainter::Antialiasing);
  const QString text = figure();
  const int width = p.fontMetrics().horizontalAdvance(text) + 12;
  const QRect box(figureAt.right() - width + 1, figureAt.top(), width, figureAt.height());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 24, 200));
  p.drawRoundedRect(box, 4, 4);
  p.setPen(QColor(220, 220, 225));
  p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace sw4
