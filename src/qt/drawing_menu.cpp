#include "qt/drawing_menu.h"

#include <QMenu>

#include "qt/control_binding.h"
#include "qt/main_window.h"

namespace sw4 {

bool onDrawing(MainWindow& window, const QPoint& at) {
  QWidget* child = window.childAt(at);
  if (!child) return true;
  const Control* c = window.controls().controlOf(child);
  return c && (c->kind() == Kind::Picture || c->kind() == Kind::Shape);
}

void installDrawingMenu(MainWindow& window) {
  window.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&window, &QWidget::customContextMenuRequested, &window, [&window](QPoint at) {
    if (!onDrawing(window, at)) return;
    QMenu menu(&window);
    menu.addActions(window.actions());
    menu.exec(window.mapToGlobal(at));
  });
}

}  // namespace sw4
