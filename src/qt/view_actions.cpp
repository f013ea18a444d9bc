#include "qt/view_actions.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "inspector/inspector.h"
#include "model/fs4.h"
#include "model/sim.h"
#include "qt/drawing_menu.h"
#include "qt/main_window.h"
#include "qt/shortcuts.h"
#include "view/world_view.h"

namespace sw4 {

ViewActions::ViewActions(Sim& sim, MainWindow& window)
    : QObject(&window), sim_(sim), window_(window), view_(window.view()) {
  Shortcuts& keys = window_.shortcuts();
  const auto middle = [this] { return QPointF(window_.width() / 2.0, window_.height() / 2.0); };
  keys.bindMenu(KeyAction::ZoomIn, *this, [this, middle] { zoomBy(1, middle()); });
  keys.bindMenu(KeyAction::ZoomOut, *this, [this, middle] { zoomBy(-1, middle()); });
  keys.bindMenu(KeyAction::FitView, *this, [this] {
    view_.fit();
    changed();
  });
  keys.bindMenu(KeyAction::ClassicView, *this, [this] {
    view_.setClassic();
    changed();
  });
  followInspected_ =
      keys.bindMenu(KeyAction::FollowInspected, *this, [this] { followInspectedBody(); });
  // The inspector's body field shows while the run is paused.
  Control& field = sim_.form.TXTOden;
  followInspected_->setEnabled(field.visible());
  inspectorShown_ = field.addObserver([this](Control& c, Prop p) {
    if (p == Prop::Visible) followInspected_->setEnabled(c.visible());
  });
  window_.installEventFilter(this);
}

ViewActions::~ViewActions() {
  sim_.form.TXTOden.removeObserver(inspectorShown_);
}

void ViewActions::changed() {
  window_.viewChanged();
}

void ViewActions::zoomBy(double steps, QPointF at) {
  const Surface& s = sim_.surface;
  view_.zoomAbout(std::pow(kZoomStep, steps), at.x(), at.y(), s.widthPixels(), s.heightPixels());
  changed();
}

void ViewActions::followInspectedBody() {
  if (!sim_.form.TXTOden.visible()) return;
  const int body = bodyNamedLeniently(sim_.form.TXTOden);
  if (body < 0) return;
  view_.follow(body);
  changed();
}

bool ViewActions::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  const Surface& s = sim_.surface;
  switch (event->type()) {
    case QEvent::Wheel: {
      auto* we = static_cast<QWheelEvent*>(event);
      if (!onDrawing(window_, we->position().toPoint())) return false;
      const double notches = we->angleDelta().y() / 120.0;
      if (notches != 0) zoomBy(notches, we->position());
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() != Qt::LeftButton) return false;
      pressed_ = true;
      panning_ = false;
      pressAt_ = last_ = me->position();
      return false;
    }
    case QEvent::MouseMove: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (!pressed_ || !(me->buttons() & Qt::LeftButton)) return false;
      if (!panning_ &&
          (me->position() - pressAt_).manhattanLength() < QApplication::startDragDistance())
        return true;
      if (!panning_) window_.setCursor(Qt::ClosedHandCursor);
      panning_ = true;
      const QPointF d = me->position() - last_;
      last_ = me->position();
      view_.panBy(d.x(), d.y());
      changed();
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
      if (panning_) window_.unsetCursor();
      pressed_ = panning_ = false;
      return false;
    case QEvent::MouseButtonDblClick: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() != Qt::LeftButton) return false;
      const int body = view_.bodyAt(me->position().x(), me->position().y(), s.widthPixels(),
                                    s.heightPixels(), kReach);
      if (body < 0) return false;
      view_.follow(body);
      changed();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace sw4
