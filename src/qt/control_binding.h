#pragma once
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/control.h"
#include "qt/caption_links.h"

class QWidget;
class QButtonGroup;

namespace sw4 {

class FormControls;
class InputFilter;
class WindowLayout;

// Binds every model control of a form (timers aside) to a child widget of the window, both ways:
// a user's action updates the model and raises the model's event; a model change updates exactly
// the changed property of the widget, with the widget's signals blocked, so nothing is echoed.
// Places the widgets for the window's size (WindowLayout) and chains them for the Tab key in
// screen order; a control hidden or cut off by its frame takes no focus.
class ControlBinding : public QObject {
 public:
  struct Hooks {
    std::function<void()> afterUserEvent;   // a user's action has run its handler
    std::function<void()> layoutChanged;    // a control on the window moved, appeared or vanished
    std::function<void(QWidget&)> repaint;  // a label's caption changed (none: it updates itself)
    // Where a control shows that the layout puts at `r` (none: there): a control that marks a
    // place in the drawing goes where the window's view shows that place.
    std::function<QRect(const Control&, const QRect& r)> placeOnDrawing;
  };

  ControlBinding(FormControls& form, QWidget& window, Hooks hooks);
  ~ControlBinding() override;
  ControlBinding(const ControlBinding&) = delete;
  ControlBinding& operator=(const ControlBinding&) = delete;

  QWidget* widgetOf(const Control& c) const;
  Control* controlOf(const QObject* widget) const;
  // Controls placed directly on the window (not in a frame), with their widgets.
  const std::vector<std::pair<Control*, QWidget*>>& onWindow() const { return onWindow_; }

  // A user's action: raises event e of c (a click as Control::userClick does), then lets the
  // view catch up with whatever the handler changed. It counts as coming from outside the model
  // even inside a handler. A button's click that a field's text stopped gives that field the
  // focus.
  void userEvent(Control& c, Event e);
  // Puts c's widget where the layout and placeOnDrawing say, as after a change of c.
  void place(const Control& c);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* create(Control& c);
  void connectInput(Control& c, QWidget& w);
  void modelChanged(Control& c, Prop p);
  void placeAll();
  QRect placeOf(const Control& c) const;
  void updateFocusable();
  void chainForTab();
  void focusFieldThatStopped(long faultsBefore);

  FormControls& form_;
  QWidget& window_;
  Hooks hooks_;
  CaptionLinks captions_;
  std::unique_ptr<InputFilter> filter_;
  std::unique_ptr<WindowLayout> layout_;
  std::map<const Control*, QWidget*> widgets_;
  std::map<const QObject*, Control*> controls_;
  std::map<const std::vector<Control*>*, QButtonGroup*> groups_;
  std::vector<std::pair<Control*, QWidget*>> onWindow_;
  std::map<Control*, int> observers_;
  std::map<QWidget*, Qt::FocusPolicy> focusPolicy_;  // as created
};

}  // namespace sw4
