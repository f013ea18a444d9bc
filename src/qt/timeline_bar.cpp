#include "qt/timeline_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/time_control.h"

namespace sw4 {

namespace {
constexpr int kLabelWidth = 150;
constexpr int kMargin = 6;
constexpr int kRepaintMs = 100;
}  // namespace

TimelineBar::TimelineBar(TimeControl& time, QWidget& window) : QWidget(&window), time_(time) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("The run's timeline: drag to go back, F5 holds or plays on"));
  later_.setSingleShot(true);
  connect(&later_, &QTimer::timeout, this, [this] { changed(); });
  sincePaint_.start();
  time_.changed = [this] { changed(); };
  place();
}

void TimelineBar::place() {
  const QWidget* w = parentWidget();
  setGeometry(0, w->height() - kHeight, w->width(), kHeight);
}

void TimelineBar::changed() {
  if (!isVisible()) return;
  const qint64 since = sincePaint_.elapsed();
  if (since < kRepaintMs && !dragging_) {
    if (!later_.isActive()) later_.start(static_cast<int>(kRepaintMs - since));
    return;
  }
  sincePaint_.restart();
  update();
}

QRect TimelineBar::track() const {
  return {kLabelWidth, 4, std::max(1, width() - kLabelWidth - kMargin), height() - 8};
}

std::int64_t TimelineBar::positionAt(int x) const {
  const QRect t = track();
  const double f = std::clamp((x - t.left()) / double(std::max(1, t.width() - 1)), 0.0, 1.0);
  return std::llround(f * static_cast<double>(time_.end()));
}

int TimelineBar::xOf(std::int64_t position) const {
  const QRect t = track();
  const std::int64_t end = std::max<std::int64_t>(1, time_.end());
  return t.left() + static_cast<int>(std::llround(double(position) / end * (t.width() - 1)));
}

void TimelineBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(24, 24, 28));
  p.setPen(QColor(70, 70, 80));
  p.drawLine(0, 0, width(), 0);
  const QRect t = track();
  p.fillRect(t, QColor(50, 50, 58));
  const int here = xOf(time_.position());
  p.fillRect(QRect(t.left(), t.top(), here - t.left() + 1, t.height()),
             time_.inPast() ? QColor(60, 110, 170) : QColor(70, 140, 210));
  p.fillRect(QRect(here - 2, 1, 5, height() - 2), QColor(230, 230, 235));
  QFont f = font();
  f.setPixelSize(11);
  p.setFont(f);
  p.setPen(QColor(210, 210, 215));
  const QString state = time_.held() ? QStringLiteral("held") : QStringLiteral("runs");
  const QString label = QStringLiteral("%1 %2  %3/%4")
                            .arg(TimeControl::speedName(time_.speed()), state)
                            .arg(time_.position())
                            .arg(time_.end());
  p.drawText(QRect(kMargin, 0, kLabelWidth - 2 * kMargin, height()),
             Qt::AlignVCenter | Qt::AlignLeft, label);
}

void TimelineBar::dragTo(int x) {
  time_.goTo(positionAt(x));
  update();
}

void TimelineBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  heldBeforeDrag_ = time_.held();
  if (!heldBeforeDrag_) time_.setHeld(true);
  dragTo(event->position().toPoint().x());
}

void TimelineBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) dragTo(event->position().toPoint().x());
}

void TimelineBar::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  dragging_ = false;
  if (!heldBeforeDrag_) time_.setHeld(false);
  update();
}

}  // namespace sw4
