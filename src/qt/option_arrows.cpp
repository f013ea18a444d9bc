#include "qt/option_arrows.h"

#include <QWidget>
#include <cstdlib>

namespace sw4 {

namespace {

QRect onWindow(const QWidget& w) {
  return {w.mapTo(w.window(), QPoint(0, 0)), w.size()};
}

}  // namespace

bool isArrowKey(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

QWidget* optionInDirection(const std::vector<QWidget*>& options, const QWidget& from, int key) {
  const QRect a = onWindow(from);
  const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
  const int sign = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : -1;
  QWidget* best = nullptr;
  long long bestScore = 0;
  for (QWidget* w : options) {
    if (w == &from) continue;
    const QRect b = onWindow(*w);
    const QPoint d = b.center() - a.center();
    const long long along = (vertical ? d.y() : d.x()) * sign;
    const long long across = std::abs(vertical ? d.x() : d.y());
    if (along <= 0) continue;
    const bool inLine = vertical ? b.left() <= a.right() && a.left() <= b.right()
                                 : b.top() <= a.bottom() && a.top() <= b.bottom();
    const long long score =
        inLine ? (along << 16) + across : (1LL << 40) + along * along + across * across;
    if (!best || score < bestScore) {
      best = w;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace sw4
