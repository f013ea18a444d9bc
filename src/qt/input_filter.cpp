#include "qt/input_filter.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "qt/control_binding.h"
#include "qt/option_arrows.h"

namespace sw4 {

namespace {

// Kinds whose clicks the binding reads from raw mouse input (the others have click signals).
bool takesRawClicks(Kind k) {
  return k == Kind::Label || k == Kind::Picture || k == Kind::Frame;
}

}  // namespace

// The next option takes the focus and is clicked, as a mouse would do it.
void InputFilter::moveWithinGroup(const Control& c, QWidget& from, int key) {
  std::vector<QWidget*> options;
  for (const Control* o : *c.group()) {
    QWidget* w = binding_.widgetOf(*o);
    if (w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus)
      options.push_back(w);
  }
  auto* next = qobject_cast<QAbstractButton*>(optionInDirection(options, from, key));
  if (!next) return;
  next->setFocus(Qt::ShortcutFocusReason);
  next->click();
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  Control* c = binding_.controlOf(watched);
  if (!c) return false;
  switch (event->type()) {
    case QEvent::FocusOut: {
      // Switching to another window or opening a popup is no loss of focus within the form.
      const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
      if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason)
        binding_.userEvent(*c, Event::LostFocus);
      return false;
    }
    case QEvent::FocusIn: {
      // Tab enters a group of options once (the style's rule), at its selected option.
      const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
      if (c->kind() != Kind::OptionButton || c->selected() || !c->group() ||
          (r != Qt::TabFocusReason && r != Qt::BacktabFocusReason))
        return false;
      for (const Control* o : *c->group()) {
        QWidget* w = o->selected() ? binding_.widgetOf(*o) : nullptr;
        if (w && w->isVisible() && w->isEnabled()) w->setFocus(r);
      }
      return false;
    }
    case QEvent::KeyPress: {
      // Enter presses a focused button or ticks a box, as Space does, and commits a field as
      // leaving it does.
      const auto* ke = static_cast<QKeyEvent*>(event);
      if (c->kind() == Kind::OptionButton && c->group() && isArrowKey(ke->key()) &&
          (ke->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        moveWithinGroup(*c, *static_cast<QWidget*>(watched), ke->key());
        return true;
      }
      const bool enter = ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter;
      if (!enter || (ke->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
      if (c->kind() == Kind::TextBox) {
        binding_.userEvent(*c, Event::LostFocus);
        return true;
      }
      if (auto* b = qobject_cast<QAbstractButton*>(watched)) {
        b->click();
        return true;
      }
      return false;
    }
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
      doubleClick_ = watched;
      binding_.userEvent(*c, Event::DblClick);
      return takesRawClicks(c->kind());
    case QEvent::MouseButtonPress:
      if (!takesRawClicks(c->kind())) return false;
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        pressed_ = watched;
        doubleClick_ = nullptr;
      }
      return true;
    case QEvent::MouseButtonRelease: {
      if (!takesRawClicks(c->kind())) return false;
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() != Qt::LeftButton) return true;
      const bool click = pressed_ == watched && doubleClick_ != watched &&
                         static_cast<QWidget*>(watched)->rect().contains(me->position().toPoint());
      pressed_ = nullptr;
      doubleClick_ = nullptr;
      if (click) binding_.userEvent(*c, Event::Click);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace sw4
