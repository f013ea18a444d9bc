#include "qt/main_window.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>

#include "model/sim.h"
#include "qt/control_binding.h"
#include "qt/qt_theme.h"
#include "qt/timer_binding.h"

namespace sw4 {

namespace {

// Controls that paint every pixel of their rectangle, so the drawing under them never shows.
bool opaque(Kind k) {
  return k != Kind::Picture && k != Kind::Shape && k != Kind::ScrollBar;
}

}  // namespace

MainWindow::MainWindow(Sim& sim, QWidget* parent) : QWidget(parent), sim_(sim) {
  setWindowTitle(QString::fromStdString(sim_.form.caption));
  setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent covers the whole client area
  ControlBinding::Hooks hooks;
  hooks.afterUserEvent = [this] { drawingChanged(); };
  hooks.layoutChanged = [this] { uncoveredStale_ = true; };
  controls_ = std::make_unique<ControlBinding>(sim_.form, *this, std::move(hooks));
  timers_ = std::make_unique<TimerBinding>(sim_.form, [this] { afterTimer(); });
  tickDone_ = sim_.tickDone.add([this] { drawingChanged(); });
  seenGeneration_ = sim_.surface.generation();
  // Ctrl+Q closes the window, as closing it from its frame does.
  connect(new QShortcut(QKeySequence::Quit, this), &QShortcut::activated, this, &QWidget::close);
}

MainWindow::~MainWindow() {
  sim_.tickDone.remove(tickDone_);
  timers_.reset();
  controls_.reset();
}

void MainWindow::drawingChanged() {
  seenGeneration_ = sim_.surface.generation();
  update(uncoveredRegion());
}

void MainWindow::afterTimer() {
  // A timer that cleared the surface outside a tick (periodic clearing) needs a repaint too.
  if (sim_.surface.generation() != seenGeneration_) drawingChanged();
}

const QRegion& MainWindow::uncoveredRegion() {
  if (uncoveredStale_) {
    uncovered_ = QRegion(rect());
    for (const auto& [c, w] : controls_->onWindow())
      if (opaque(c->kind()) && w->isVisibleTo(this)) uncovered_ -= w->geometry();
    uncoveredStale_ = false;
  }
  return uncovered_;
}

void MainWindow::paintEvent(QPaintEvent* event) {
  Surface& s = sim_.surface;
  if (s.devicePixelRatio() != devicePixelRatioF())
    sim_.resizeDrawingArea(width() * Surface::kTwipsPerLogicalPixel,
                           height() * Surface::kTwipsPerLogicalPixel, devicePixelRatioF());
  QPainter p(this);
  const QColor back = toQColor(s.background());
  if (s.widthPixels() > 0 && s.heightPixels() > 0) {
    // A view of the surface's own buffer: no copy. It is writable, so setting the pixel ratio
    // does not detach it, and it dies at the end of this paint.
    QImage view(reinterpret_cast<uchar*>(s.data()), s.widthPixels(), s.heightPixels(),
                s.widthPixels() * 4, QImage::Format_RGB32);
    view.setDevicePixelRatio(s.devicePixelRatio());
    p.drawImage(QPointF(0, 0), view);
    const QSizeF shown = QSizeF(s.widthPixels(), s.heightPixels()) / s.devicePixelRatio();
    QRegion rest = event->region() - QRect(QPoint(0, 0), shown.toSize());
    for (const QRect& r : rest) p.fillRect(r, back);
  } else {
    p.fillRect(event->rect(), back);
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  sim_.resizeDrawingArea(width() * Surface::kTwipsPerLogicalPixel,
                         height() * Surface::kTwipsPerLogicalPixel, devicePixelRatioF());
  seenGeneration_ = sim_.surface.generation();
  uncoveredStale_ = true;
  update();
}

}  // namespace sw4
