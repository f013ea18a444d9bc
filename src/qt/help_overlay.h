#pragma once
#include <QFrame>
#include <vector>

#include "qt/shortcuts.h"

class QLabel;
class QScrollArea;

namespace sw4 {

// A panel over the middle of the window listing the keyboard shortcuts and what the colours on
// the drawing mean, the two side by side where the window is wide enough; it never reaches past
// the window (it scrolls instead). A click on it closes it too.
class HelpOverlay : public QFrame {
 public:
  explicit HelpOverlay(QWidget& window);

  // Shows it (listing these keys) or hides it.
  void toggle(const std::vector<Shortcuts::Entry>& keys);
  void centre();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  static QString html(const std::vector<Shortcuts::Entry>& keys, bool sideBySide);

  QLabel* text_;
  QScrollArea* scroll_;
};

}  // namespace sw4
