#include "qt/main_window.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "contacts/contact_controls.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "platform/control.h"
#include "qt/control_binding.h"
#include "qt/help_overlay.h"
#include "qt/qt_theme.h"
#include "qt/remembered.h"
#include "qt/scroll_pieces.h"
#include "qt/shortcuts.h"
#include "qt/time_control.h"
#include "qt/timeline_bar.h"
#include "qt/view_picture.h"
#include "qt/window_layout.h"
#include "view/world_view.h"

namespace sw4 {

namespace {

constexpr int kTwips = Surface::kTwipsPerLogicalPixel;

// A tick changes the drawing in many small places (one or two for each body): when there are
// more than this many, neighbours are merged.
constexpr int kMostRectangles = 256;

// Controls that paint every pixel of their rectangle, so the drawing under them never shows.
bool opaque(Kind k) {
  return k != Kind::Picture && k != Kind::Shape && k != Kind::ScrollBar;
}

}  // namespace

MainWindow::MainWindow(Sim& sim, QWidget* parent) : QWidget(parent), sim_(sim) {
  setWindowTitle(QString::fromStdString(sim_.form.caption));
  setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent covers the whole client area
  setMinimumSize(WindowLayout::kMinWidth, WindowLayout::kMinHeight);
  ControlBinding::Hooks hooks;
  hooks.afterUserEvent = [this] { drawingChanged(); };
  hooks.layoutChanged = [this] { uncoveredStale_ = true; };
  hooks.placeOnDrawing = [this](const Control& c, const QRect& r) { return placeOnDrawing(c, r); };
  // A label on a frame is repainted by its own update(): the frame is opaque, so the window's
  // area there would not reach it.
  hooks.repaint = [this](QWidget& w) {
    if (w.parentWidget() != this) {
      w.update();
    } else if (w.isVisibleTo(this)) {
      repaintWithTick(w.geometry());
    }
  };
  controls_ = std::make_unique<ControlBinding>(sim_.form, *this, std::move(hooks));
  time_ = std::make_unique<TimeControl>(sim_, [this] { afterTimer(); });
  bar_ = new TimelineBar(*time_, *this);
  tickDone_ = sim_.tickDone.add([this] {
    ticked_ = true;
    drawingChanged();
  });
  view_ = std::make_unique<WorldView>(sim_);
  picture_ = std::make_unique<ViewPicture>(sim_, *view_);
  nextFrame_.setSingleShot(true);
  connect(&nextFrame_, &QTimer::timeout, this, [this] { letGo(true); });

  help_ = new HelpOverlay(*this);
  shortcuts_ = new Shortcuts(*this, *controls_);
  shortcuts_->bindClicks(sim_.form);
  shortcuts_->bind(KeyAction::FullScreen, *this, [this] { toggleFullScreen(); });
  shortcuts_->bind(KeyAction::Help, *this, [this] { help_->toggle(shortcuts_->entries()); });
  shortcuts_->bind(KeyAction::CloseHelp, *this, [this] { help_->hide(); });
  holdToMaximum();
}

MainWindow::~MainWindow() {
  sim_.tickDone.remove(tickDone_);
  picture_.reset();
  view_.reset();
  time_.reset();
  controls_.reset();
}

void MainWindow::open() {
  const bool kept = restorePlace(WindowPlace::Main, *this);
  if (kept && (isFullScreen() || isMaximized())) {
    show();
    return;
  }
  const QSize design(kDesignWidthTwips / kTwips, kDesignHeightTwips / kTwips);
  if (!kept) resize(design);
  // The title bar and the frame come on top of the client area (a kept place has them in).
  const QSize framed = kept ? size() : design + QSize(16, 40);
  const QScreen* s = screen();
  const QSize room = s ? s->availableGeometry().size() : framed;
  if (room.width() < framed.width() || room.height() < framed.height()) {
    showMaximized();
  } else {
    show();
  }
}

void MainWindow::toggleFullScreen() {
  if (isFullScreen()) {
    if (maximisedBeforeFullScreen_) {
      showMaximized();
    } else {
      showNormal();
    }
  } else {
    maximisedBeforeFullScreen_ = isMaximized();
    showFullScreen();
  }
}

void MainWindow::toggleTimelineBar() {
  bar_->setVisible(!bar_->isVisibleTo(this));
  uncoveredStale_ = true;
  update();
}

void MainWindow::drawingChanged() {
  gatherDrawing();
  if (!holding()) letGo(false);
}

void MainWindow::gatherDrawing() {
  // The ticks of one wake are painted together at its end.
  if (time_ && time_->inBatch()) return;
  sim_.surface.takeChanges(changes_, kMostRectangles);
  if (!view_->classic()) {
    picture_->drawn();
    viewDrawn_ = true;
    return;
  }
  if (changes_.empty()) return;
  QRegion changed;
  for (const PixelRect& r : changes_) changed += QRect(r.x, r.y, r.width, r.height);
  held_ += changed & uncoveredRegion();
}

bool MainWindow::holding() const {
  // Not inside a dialog's own loop, where the window must go on painting.
  return sim_.inTick && QThread::currentThread()->loopLevel() <= 1;
}

void MainWindow::repaintWithTick(const QRegion& area) {
  held_ += area;
  if (!holding()) letGo(false);
}

// The sun's picture and the inspector's marker stand for places in the world: in a view other
// than the classic one they show where the view has those places, at their size.
QRect MainWindow::placeOnDrawing(const Control& c, const QRect& r) const {
  if (!view_ || view_->classic()) return r;
  const ContactControls contacts(sim_);
  if (&c != &contacts.sunPicture() && &c != &contacts.marker()) return r;
  const double ratio = sim_.surface.devicePixelRatio();
  const double x = c.left() + c.width() / 2.0, y = c.top() + c.height() / 2.0;
  const auto held = [](double v) { return static_cast<int>(std::clamp(v, -1e6, 1e6)); };
  QRect moved = r;
  moved.moveCenter({held(view_->screenX(x, sim_.surface.widthPixels()) / ratio),
                    held(view_->screenY(y, sim_.surface.heightPixels()) / ratio)});
  return moved;
}

void MainWindow::placeDrawingMarks() {
  const ContactControls contacts(sim_);
  controls_->place(contacts.sunPicture());
  controls_->place(contacts.marker());
}

void MainWindow::viewChanged() {
  placeDrawingMarks();
  picture_->stale();
  held_ += uncoveredRegion();
  if (!holding()) letGo(false);
}

// A followed body moves the picture: what the window shows moves with it on the X server's side,
// and only the new marks and what came into sight are sent. Controls that the drawing shows
// through, and what is painted over the picture, are painted again where they are.
void MainWindow::catchUpView() {
  viewDrawn_ = false;
  const ViewPicture::Catch c = picture_->catchUp();
  if (view_->followed() >= 0) placeDrawingMarks();
  const QRect figure = viewFigure(), mark = recordingMark();
  if (!c.shift.isNull()) {
    QRegion moving = uncoveredRegion() - figure - mark;
    if (help_->isVisible()) moving -= help_->geometry();
    if (moving != scrolled_) {
      scrolled_ = moving;
      scrollPieces_ = scrollPieces(moving);
    }
    for (const QRect& r : scrollPieces_) scroll(c.shift.x(), c.shift.y(), r);
    held_ += held_.translated(c.shift);
    // Where a control covers them the window does not show them: painting there would paint
    // the control again.
    held_ += (QRegion(figure) + mark) & uncoveredRegion();
    for (const auto& [control, w] : controls_->onWindow())
      if (!opaque(control->kind()) && w->isVisibleTo(this)) w->update();
  }
  held_ += c.area & uncoveredRegion();
}

void MainWindow::letGo(bool now) {
  if (held_.isEmpty() && !viewDrawn_) return;
  const bool ticked = std::exchange(ticked_, false);
  if (!view_->classic() && sinceViewPaint_.isValid()) {
    const QScreen* s = screen();
    const double hz = s && s->refreshRate() > 1 ? s->refreshRate() : 60.0;
    if (!awake_.isValid()) awake_.start();
    const FrameStep step =
        pacer_.step(static_cast<double>(awake_.nsecsElapsed()) / 1e6, 1000.0 / hz,
                    view_->followed() >= 0 && !picture_->isStale(), ticked, nextFrame_.isActive());
    if (step.wakeMs >= 0) nextFrame_.start(static_cast<int>(std::ceil(step.wakeMs)));
    if (!step.paint) return;
  }
  if (viewDrawn_ && !view_->classic()) catchUpView();
  viewDrawn_ = false;
  if (held_.isEmpty()) return;
  const QRegion area = std::exchange(held_, QRegion());
  // At the end of a timer's event the window paints at once: an update() would post a request
  // and wake the event loop a second time every tick.
  if (now) {
    repaint(area);
  } else {
    update(area);
  }
}

void MainWindow::afterTimer() {
  // Back live from a moment of another size (a branch, or the end of the past played again):
  // the drawing area takes the window's size again.
  const bool wasPast = std::exchange(inPast_, time_->inPast());
  if (wasPast && !inPast_ && !sim_.inTick &&
      (sim_.widthTwips() != width() * kTwips || sim_.heightTwips() != height() * kTwips)) {
    resizeDrawingArea();
    update();
  }
  // A timer that drew or cleared outside a tick (periodic clearing) needs a repaint too.
  gatherDrawing();
  if (!holding()) letGo(true);
}

const QRegion& MainWindow::uncoveredRegion() {
  if (uncoveredStale_) {
    uncovered_ = QRegion(rect());
    for (const auto& [c, w] : controls_->onWindow())
      if (opaque(c->kind()) && w->isVisibleTo(this)) uncovered_ -= w->geometry();
    if (bar_ && bar_->isVisibleTo(this)) uncovered_ -= bar_->geometry();
    uncoveredStale_ = false;
  }
  return uncovered_;
}

void MainWindow::resizeDrawingArea() {
  // Nothing may unwind into Qt's event loop; a surface that could not be had stays empty.
  try {
    sim_.resizeDrawingArea(width() * kTwips, height() * kTwips);
  } catch (const std::exception& e) {
    noteUnexpected("resizing the drawing area", e.what());
  }
}

void MainWindow::showRecording(const QString& fileName) {
  recordingFile_ = fileName;
  const QString caption = QString::fromStdString(sim_.form.caption);
  setWindowTitle(fileName.isEmpty() ? caption
                                    : caption + QStringLiteral(" - recording ") + fileName);
  update(recordingMark());
}

QRect MainWindow::viewFigure() const {
  const int bottom = bar_ && bar_->isVisibleTo(this) ? bar_->geometry().top() : height();
  return ViewPicture::figureRect(recordingMark().left() - 4, bottom);
}

QRect MainWindow::recordingMark() const {
  constexpr int kSide = 12, kMargin = 8;
  const int bottom = bar_ && bar_->isVisibleTo(this) ? bar_->geometry().top() : height();
  return {width() - kMargin - kSide, bottom - kMargin - kSide, kSide, kSide};
}

void MainWindow::paintEvent(QPaintEvent* event) {
  Surface& s = sim_.surface;
  QPainter p(this);
  const QColor back = toQColor(s.background());
  if (!view_->classic()) {
    sinceViewPaint_.start();
    picture_->paint(p, event->region(), viewFigure());
  } else if (s.widthPixels() > 0 && s.heightPixels() > 0) {
    // A view of the surface's own buffer: no copy. It is writable, so nothing detaches it, and it
    // dies at the end of this paint. One dot is one logical pixel: on a denser screen it grows
    // to a block of device pixels, unsmoothed.
    QImage view(reinterpret_cast<uchar*>(s.data()), s.widthPixels(), s.heightPixels(),
                s.stride() * 4, QImage::Format_RGB32);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Only what was asked for: after a tick, the few rectangles it drew on.
    const QRect area(0, 0, s.widthPixels(), s.heightPixels());
    for (const QRect& r : event->region() & area) p.drawImage(r.topLeft(), view, r);
    for (const QRect& r : event->region() - area) p.fillRect(r, back);
  } else {
    p.fillRect(event->rect(), back);
  }
  if (!recordingFile_.isEmpty() && event->region().intersects(recordingMark())) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 30, 30));
    p.drawEllipse(recordingMark());
  }
}

// Qt's backing store is as large as the window (4.3 GB at 32767 pixels a side), so the window
// stops where the surface does; one made larger from outside (no window manager) is sized back.
bool MainWindow::holdToMaximum() {
  const int most = static_cast<int>(Surface::kMaxSide / devicePixelRatioF());
  if (maximumWidth() != most || maximumHeight() != most) setMaximumSize(most, most);
  if (width() <= most && height() <= most) return false;
  resize(std::min(width(), most), std::min(height(), most));
  return true;
}

void MainWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  rememberPlace(WindowPlace::Main, *this);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (holdToMaximum()) return;
  resizeDrawingArea();
  bar_->place();
  uncoveredStale_ = true;
  if (help_->isVisible()) help_->centre();
  picture_->stale();
  update();
}

}  // namespace sw4
