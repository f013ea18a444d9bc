#pragma once
#include <QObject>

class QWidget;

namespace sw4 {

class Control;
class ControlBinding;

// Turns raw input on the bound widgets into model events: losing the focus raises LostFocus, a
// double-click raises DblClick, and a click on a label, picture or frame raises Click; Enter on
// a button or box clicks it and on a field raises LostFocus; Tab into a group of options lands
// on the selected one, and an arrow key there selects the next option that way.
class InputFilter : public QObject {
 public:
  explicit InputFilter(ControlBinding& binding) : binding_(binding) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void moveWithinGroup(const Control& c, QWidget& from, int key);

  ControlBinding& binding_;
  QObject* pressed_ = nullptr;      // where the left button went down
  QObject* doubleClick_ = nullptr;  // the release that ends a double-click is no second click
};

}  // namespace sw4
