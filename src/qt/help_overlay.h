#pragma once
#include <QFrame>
#include <vector>

#include "qt/shortcuts.h"

class QLabel;

namespace sw4 {

// A panel over the middle of the window listing the keyboard shortcuts and what the colours on
// the drawing mean. A click on it closes it too.
class HelpOverlay : public QFrame {
 public:
  explicit HelpOverlay(QWidget& window);

  // Shows it (listing these keys) or hides it.
  void toggle(const std::vector<Shortcuts::Entry>& keys);
  void centre();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QLabel* text_;
};

}  // namespace sw4
