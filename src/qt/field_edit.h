#pragma once
#include <QLineEdit>

namespace sw4 {

// A text field that outlines itself in red while its text is not a number as a whole (what the
// strict reading refuses), so a value that would stop "Go" shows before it does. The model's
// colours are left alone.
class FieldEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

  void setRefused(bool refused);
  bool refused() const { return refused_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool refused_ = false;
};

}  // namespace sw4
