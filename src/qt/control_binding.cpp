#include "qt/control_binding.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include "model/fs4.h"
#include "qt/caption_label.h"
#include "qt/control_widgets.h"
#include "qt/input_filter.h"
#include "qt/screen_order.h"
#include "qt/window_layout.h"

namespace sw4 {

namespace {

// The width the caption of c needs on its widget, indicator and margins included.
int captionWidth(const Control& c, const QWidget& w) {
  const int t = QFontMetrics(w.font()).horizontalAdvance(QString::fromStdString(c.text()));
  const QStyle* s = w.style();
  switch (c.kind()) {
    case Kind::CheckBox:
      return s->pixelMetric(QStyle::PM_IndicatorWidth) +
             s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + t;
    case Kind::OptionButton:
      return s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
             s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + t;
    case Kind::CommandButton:
      return t + 2 * s->pixelMetric(QStyle::PM_ButtonMargin);
    default:
      return t;
  }
}

// Anchors whose controls others are placed around.
bool othersFollow(Anchor a) {
  return a == Anchor::TopRight || a == Anchor::BottomLeft || a == Anchor::LeftStack ||
         a == Anchor::Shrinking || a == Anchor::AfterShrinking;
}

}  // namespace

ControlBinding::ControlBinding(FormControls& form, QWidget& window, Hooks hooks)
    : form_(form),
      window_(window),
      hooks_(std::move(hooks)),
      captions_(form),
      filter_(std::make_unique<InputFilter>(*this)) {
  captions_.followAll();
  for (Control& c : form_.all()) create(c);
  // The marker and then the pictures go to the bottom, so the pictures lie on the drawing, the
  // marker over them (it may circle the sun) and every other control over both.
  for (Kind k : {Kind::Shape, Kind::Picture})
    for (auto& [c, w] : onWindow_)
      if (c->kind() == k) w->lower();
  layout_ = std::make_unique<WindowLayout>(form_, [this](const Control& c) {
    const QWidget* w = widgetOf(c);
    return w ? captionWidth(c, *w) : 0;
  });
  chainForTab();  // before placing: Qt chains no widget that takes no focus (a clipped one)
  placeAll();
  window_.installEventFilter(this);
}

ControlBinding::~ControlBinding() {
  window_.removeEventFilter(this);
  for (auto& [c, handle] : observers_) c->removeObserver(handle);
  for (auto& [c, w] : widgets_) w->removeEventFilter(filter_.get());
}

QWidget* ControlBinding::widgetOf(const Control& c) const {
  const auto it = widgets_.find(&c);
  return it == widgets_.end() ? nullptr : it->second;
}

Control* ControlBinding::controlOf(const QObject* widget) const {
  const auto it = controls_.find(widget);
  return it == controls_.end() ? nullptr : it->second;
}

QWidget* ControlBinding::create(Control& c) {
  if (c.kind() == Kind::Timer) return nullptr;
  if (QWidget* existing = widgetOf(c)) return existing;
  QWidget* parent = &window_;
  if (Control* frame = c.container()) {
    if (QWidget* fw = create(*frame)) parent = fw;
  }
  QWidget* w = createControlWidget(c, parent);
  if (auto* label = qobject_cast<CaptionLabel*>(w); label && hooks_.repaint)
    label->setRepaint(hooks_.repaint);
  widgets_[&c] = w;
  controls_[w] = &c;
  focusPolicy_[w] = w->focusPolicy();
  if (parent == &window_) onWindow_.emplace_back(&c, w);
  w->installEventFilter(filter_.get());
  connectInput(c, *w);
  observers_[&c] = c.addObserver([this](Control& changed, Prop p) { modelChanged(changed, p); });
  return w;
}

void ControlBinding::connectInput(Control& c, QWidget& w) {
  switch (c.kind()) {
    case Kind::TextBox:
      // textEdited comes from typing only, never from setText.
      connect(static_cast<QLineEdit*>(&w), &QLineEdit::textEdited, this,
              [this, &c](const QString& t) {
                const OutsideEventScope outside;
                c.setText(t.toStdString());
                if (hooks_.afterUserEvent) hooks_.afterUserEvent();
              });
      break;
    case Kind::CheckBox:
    case Kind::CommandButton:
      connect(static_cast<QAbstractButton*>(&w), &QAbstractButton::clicked, this,
              [this, &c] { userEvent(c, Event::Click); });
      break;
    case Kind::OptionButton: {
      std::vector<Control*>* group = c.group();
      if (!group) {
        connect(static_cast<QAbstractButton*>(&w), &QAbstractButton::clicked, this,
                [this, &c] { userEvent(c, Event::Click); });
        break;
      }
      QButtonGroup*& bg = groups_[group];
      if (!bg) {
        bg = new QButtonGroup(this);
        bg->setExclusive(false);  // the model decides which option is selected
        connect(bg, &QButtonGroup::idClicked, this, [this, group](int id) {
          if (id >= 0 && id < static_cast<int>(group->size()))
            userEvent(*(*group)[id], Event::Click);
        });
      }
      int id = 0;
      while (id < static_cast<int>(group->size()) && (*group)[id] != &c) ++id;
      bg->addButton(static_cast<QAbstractButton*>(&w), id);
      break;
    }
    case Kind::ScrollBar: {
      auto* s = static_cast<QScrollBar*>(&w);
      // Emitted for the user's actions only (arrows, paging, dragging, wheel, keys), with the
      // new position already in sliderPosition().
      connect(s, &QAbstractSlider::actionTriggered, this, [this, &c, s](int) {
        const OutsideEventScope outside;
        c.setValue(s->sliderPosition());
        mirrorProp(c, *s, Prop::Value);
        if (hooks_.afterUserEvent) hooks_.afterUserEvent();
      });
      break;
    }
    default:
      break;
  }
}

void ControlBinding::userEvent(Control& c, Event e) {
  // A user's action even when it comes inside a handler (a focus moved by a hidden control).
  const OutsideEventScope outside;
  const long faultsBefore = dispatchedFaults();
  if (e == Event::Click && c.kind() != Kind::Label && c.kind() != Kind::Picture &&
      c.kind() != Kind::Frame) {
    c.userClick();
    // The widget changed its own state on the click; the model has the last word.
    if (QWidget* w = widgetOf(c)) mirrorProp(c, *w, Prop::Value);
  } else {
    c.raise(e);
  }
  if (e == Event::Click && c.kind() == Kind::CommandButton) focusFieldThatStopped(faultsBefore);
  if (hooks_.afterUserEvent) hooks_.afterUserEvent();
}

void ControlBinding::focusFieldThatStopped(long faultsBefore) {
  if (dispatchedFaults() == faultsBefore) return;
  const Control* field = lastFaultSource();
  if (!field || field->kind() != Kind::TextBox) return;
  QWidget* w = widgetOf(*field);
  if (w && w->isVisibleTo(&window_) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus)
    w->setFocus(Qt::OtherFocusReason);
}

void ControlBinding::modelChanged(Control& c, Prop p) {
  QWidget* w = widgetOf(c);
  if (!w) return;
  mirrorProp(c, *w, p);
  if (p == Prop::Visible) captions_.follow(c);
  if (p == Prop::Text && layout_ && layout_->measure(c)) placeAll();
  if (p == Prop::Geometry && layout_) {
    if (!c.container() && othersFollow(c.anchor())) {
      placeAll();
    } else {
      place(c);
      if (c.kind() == Kind::Frame) updateFocusable();
    }
  }
  if ((p == Prop::Visible || p == Prop::Geometry) && w->parentWidget() == &window_ &&
      hooks_.layoutChanged)
    hooks_.layoutChanged();
}

bool ControlBinding::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Resize) {
    placeAll();
    if (hooks_.layoutChanged) hooks_.layoutChanged();
  }
  return false;
}

QRect ControlBinding::placeOf(const Control& c) const {
  const QRect r = layout_->place(c, window_.size());
  return hooks_.placeOnDrawing ? hooks_.placeOnDrawing(c, r) : r;
}

void ControlBinding::place(const Control& c) {
  if (QWidget* w = widgetOf(c)) w->setGeometry(placeOf(c));
}

void ControlBinding::placeAll() {
  for (const auto& [c, w] : widgets_) w->setGeometry(placeOf(*c));
  updateFocusable();
}

// A control cut off by its frame (the narrow "Orbits" frame) takes no focus, so Tab never
// lands where typing cannot be seen.
void ControlBinding::updateFocusable() {
  for (const auto& [w, policy] : focusPolicy_) {
    const QWidget* parent = w->parentWidget();
    const bool clipped = parent != &window_ && !parent->rect().contains(w->geometry());
    // Otherwise the policy is the style's: in a group of options only one takes Tab.
    if (clipped) {
      w->setFocusPolicy(Qt::NoFocus);
    } else if (w->focusPolicy() == Qt::NoFocus) {
      w->setFocusPolicy(policy);
    }
  }
}

void ControlBinding::chainForTab() {
  QWidget* previous = nullptr;
  bool focused = false;
  for (const Control* c : screenOrder(form_)) {
    QWidget* w = widgetOf(*c);
    if (!w || (focusPolicy_[w] & Qt::TabFocus) == 0) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
    if (!focused && w->isVisibleTo(&window_)) {
      w->setFocus();  // the window opens with the focus on the first control
      focused = true;
    }
  }
}

}  // namespace sw4
