#include "qt/view_picture.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

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

// A place on the output held to a range where the sums stay ints.
int held(double v) {
  return static_cast<int>(std::clamp(std::floor(v), -1e6, 1e6));
}

// The image a painter's pixels go to, where they go there unscaled: a followed view paints
// hundreds of small rectangles a frame, and a painter sets up each one for a microsecond.
struct Blit {
  QImage* image = nullptr;
  QPoint offset;
};

Blit blitTarget(QPainter& p) {
  QPaintEngine* engine = p.paintEngine();
  QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
  if (!device || device->devType() != QInternal::Image || p.hasClipping()) return {};
  // A window paints at the top left of its backing store; a widget inside one does not.
  const QPaintDevice* painted = p.device();
  if (painted != device && !(painted->devType() == QInternal::Widget &&
                             static_cast<const QWidget*>(painted)->isWindow()))
    return {};
  auto* image = static_cast<QImage*>(device);
  if (!image->isDetached()) return {};  // a shared image would be copied, and the copy painted
  const QTransform& t = p.deviceTransform();
  // A window's backing store is the premultiplied alpha format, which opaque pixels share.
  const bool opaqueFormat = image->format() == QImage::Format_RGB32 ||
                            image->format() == QImage::Format_ARGB32_Premultiplied;
  if (!opaqueFormat || t.type() > QTransform::TxTranslate || t.dx() != std::round(t.dx()) ||
      t.dy() != std::round(t.dy()))
    return {};
  return {image, QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()))};
}

// `source` of `from` to `at` on `to`, opaque: the view's pixels leave the alpha byte clear.
void copyOpaque(QImage& to, QPoint at, const QImage& from, const QRect& source) {
  const QRect target = QRect(at, source.size()) & to.rect();
  if (target.isEmpty()) return;
  const QPoint skip = target.topLeft() - at;
  uchar* const out = to.bits();  // once: a row's scanLine() would check for sharing each time
  const uchar* const in = from.constBits();
  for (int y = 0; y < target.height(); ++y) {
    auto* o = reinterpret_cast<std::uint32_t*>(out + (target.top() + y) * to.bytesPerLine()) +
              target.left();
    const auto* i = reinterpret_cast<const std::uint32_t*>(in + (source.top() + skip.y() + y) *
                                                                    from.bytesPerLine()) +
                    source.left() + skip.x();
    for (int x = 0; x < target.width(); ++x) o[x] = i[x] | 0xFF000000u;
  }
}

}  // namespace

ViewPicture::ViewPicture(Sim& sim, WorldView& view) : sim_(sim), view_(view) {}

QRect ViewPicture::figureRect(int right, int bottom) {
  constexpr int kWidth = 150, kHeight = 20, kMargin = 8;
  return {right - kMargin - kWidth, bottom - kMargin - kHeight, kWidth, kHeight};
}

QString ViewPicture::figure() const {
  QString text = zoomName(view_.zoom());
  if (view_.followed() >= 0) text += QStringLiteral("  body %1").arg(view_.followed());
  return text;
}

QSize ViewPicture::outputSize() const {
  return {sim_.surface.widthPixels(), sim_.surface.heightPixels()};
}

QPoint ViewPicture::origin() const {
  const QSize size = outputSize();
  return {held(-view_.screenX(0, size.width())), held(-view_.screenY(0, size.height()))};
}

void ViewPicture::drawn() {
  const QSize size = outputSize();
  const bool current = !whole_ && view_.zoom() == zoom_ && image_.size() == size;
  // Places now on the output are this far from where the image has them.
  const QPoint toImage = origin() - origin_;
  const QRect bounds(QPoint(), size);
  constexpr int kSide = WorldView::kChangedSide;
  const int stride = static_cast<int>(image_.bytesPerLine() / 4);
  QRegion area;
  const bool exact = view_.takeChanged(
      size.width(), size.height(), [&](qint64 x, qint64 y, const std::uint32_t* px) {
        if (!current) return;
        const qint64 ix = x + toImage.x(), iy = y + toImage.y();
        if (ix <= -kSide || iy <= -kSide || ix >= size.width() || iy >= size.height()) return;
        const QRect square(static_cast<int>(ix), static_cast<int>(iy), kSide, kSide);
        // The new marks go straight onto the image, over what it shows.
        onImage(square & bounds, [&](const QRect& piece, QPoint on) {
          auto* row = reinterpret_cast<std::uint32_t*>(image_.scanLine(on.y())) + on.x();
          const std::uint32_t* from =
              px + (piece.top() - square.top()) * kSide + (piece.left() - square.left());
          for (int j = 0; j < piece.height(); ++j, row += stride, from += kSide)
            for (int i = 0; i < piece.width(); ++i)
              row[i] = from[i] ? from[i] : row[i];
        });
        area += square;
      });
  if (!exact || !current) {
    stale();
    return;
  }
  shown_ += area & bounds;
}

ViewPicture::Catch ViewPicture::catchUp() {
  const QRect bounds(QPoint(), outputSize());
  const auto all = [&] {
    whole_ = true;
    showAll_ = false;
    shown_ = QRegion();
    return Catch{{}, bounds};
  };
  if (whole_ || view_.zoom() != zoom_ || image_.size() != bounds.size()) return all();
  const QPoint shift = origin_ - origin();
  if (std::abs(shift.x()) >= bounds.width() || std::abs(shift.y()) >= bounds.height()) return all();
  if (!shift.isNull()) {
    const QSize size = image_.size();
    wrap_ -= shift;
    wrap_ = {(wrap_.x() % size.width() + size.width()) % size.width(),
             (wrap_.y() % size.height() + size.height()) % size.height()};
    dirty_.translate(shift);
    dirty_ += QRegion(bounds) - bounds.translated(shift);
    dirty_ &= bounds;
    shown_.translate(shift);
    shown_ &= bounds;
    origin_ -= shift;
  }
  // What is handed out here is the caller's to paint: a paint of something else in between
  // (a control on the drawing) takes none of it.
  const QRegion area = std::exchange(showAll_, false) ? QRegion(bounds) : dirty_ + shown_;
  shown_ = QRegion();
  return {shift, area};
}

template <class F>
void ViewPicture::onImage(const QRect& part, F f) const {
  const int w = image_.width(), h = image_.height();
  const int splitX = w - wrap_.x(), splitY = h - wrap_.y();
  const QRect cuts[2][2] = {
      {QRect(QPoint(0, 0), QPoint(splitX - 1, splitY - 1)),
       QRect(QPoint(splitX, 0), QPoint(w - 1, splitY - 1))},
      {QRect(QPoint(0, splitY), QPoint(splitX - 1, h - 1)),
       QRect(QPoint(splitX, splitY), QPoint(w - 1, h - 1))}};
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      const QRect piece = part & cuts[j][i];
      if (piece.isEmpty()) continue;
      f(piece, piece.topLeft() + wrap_ - QPoint(i * w, j * h));
    }
}

// At the image's origin, also when the view has moved on since.
void ViewPicture::render(const QRect& part) {
  const QSize size = outputSize();
  const QPoint moved = origin_ - origin();
  const int stride = static_cast<int>(image_.bytesPerLine() / 4);
  onImage(part, [&](const QRect& piece, QPoint on) {
    const QPoint at = piece.topLeft() + moved;
    view_.render(PixelTarget{reinterpret_cast<std::uint32_t*>(image_.scanLine(on.y())) + on.x(),
                             piece.width(), piece.height(), stride},
                 at.x(), at.y(), size.width(), size.height());
  });
}

void ViewPicture::paint(QPainter& p, const QRegion& region, const QRect& figureAt) {
  QElapsedTimer clock;
  clock.start();
  if (whole_ || image_.size() != outputSize()) {
    if (image_.size() != outputSize()) image_ = QImage(outputSize(), QImage::Format_RGB32);
    origin_ = origin();
    wrap_ = QPoint();
    zoom_ = view_.zoom();
    if (!image_.isNull()) render(image_.rect());
    whole_ = false;
    renderNs_ = clock.nsecsElapsed();
  } else if (!dirty_.isEmpty()) {
    for (const QRect& r : dirty_ & image_.rect()) render(r);
    renderNs_ = clock.nsecsElapsed();
  }
  dirty_ = QRegion();
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect area = image_.rect();
  const Blit blit = blitTarget(p);
  for (const QRect& r : region & area)
    onImage(r, [&](const QRect& piece, QPoint on) {
      if (blit.image) {
        copyOpaque(*blit.image, piece.topLeft() + blit.offset, image_, QRect(on, piece.size()));
      } else {
        p.drawImage(piece.topLeft(), image_, QRect(on, piece.size()));
      }
    });
  for (const QRect& r : region - area) p.fillRect(r, toQColor(sim_.surface.background()));
  if (!region.intersects(figureAt)) return;
  // A followed view repaints the figure every frame: its text is laid out only when it changes.
  const QString text = figure();
  const qreal ratio = p.device()->devicePixelRatioF();
  if (text != figureText_ || ratio != figureImage_.devicePixelRatio() ||
      figureAt.height() != figureHeight_ || p.font() != figureFont_) {
    figureText_ = text;
    figureFont_ = p.font();
    figureHeight_ = figureAt.height();
    QFont f = p.font();
    f.setPixelSize(12);
    const int width = QFontMetrics(f).horizontalAdvance(text) + 12;
    figureImage_ = QImage(QSize(width, figureAt.height()) * ratio,
                          QImage::Format_ARGB32_Premultiplied);
    figureImage_.setDevicePixelRatio(ratio);
    figureImage_.fill(Qt::transparent);
    QPainter q(&figureImage_);
    q.setFont(f);
    q.setRenderHint(QPainter::Antialiasing);
    const QRect box(0, 0, width, figureAt.height());
    q.setPen(Qt::NoPen);
    q.setBrush(QColor(20, 20, 24, 200));
    q.drawRoundedRect(box, 4, 4);
    q.setPen(QColor(220, 220, 225));
    q.drawText(box, Qt::AlignCenter, text);
  }
  const int width = qRound(figureImage_.width() / ratio);
  p.drawImage(QPoint(figureAt.right() - width + 1, figureAt.top()), figureImage_);
}

}  // namespace sw4
