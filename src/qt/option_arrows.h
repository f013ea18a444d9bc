#pragma once
#include <vector>

class QWidget;

namespace sw4 {

// The option an arrow key (Qt::Key_Up, _Down, _Left or _Right) moves to from `from` among the
// options of its group, as Qt's own exclusive groups choose: the nearest in the key's direction,
// one in the same row or column first. None at the edge of the group.
QWidget* optionInDirection(const std::vector<QWidget*>& options, const QWidget& from, int key);

bool isArrowKey(int key);

}  // namespace sw4
