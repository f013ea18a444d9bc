#pragma once
#include <QWidget>

namespace sw4 {

class Control;

// A circle with the border and fill colours of a model shape; clicks pass through it.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(const Control& shape, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Control& shape_;
};

}  // namespace sw4
