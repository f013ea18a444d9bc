#pragma once
#include <QGroupBox>

namespace sw4 {

// A frame drawn whole: its border runs through the middle of its caption, above every control
// it holds (the style's own frame starts below the caption, where the first row of fields
// would cover it).
class FrameBox : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

  // The height of the border's top line.
  int borderTop() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace sw4
