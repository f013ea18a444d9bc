#pragma once
#include <QPoint>

namespace sw4 {

class MainWindow;

// Whether a point of the window shows the drawing: no control there, or the sun picture, the moon
// picture or the marker, which lie on the drawing.
bool onDrawing(MainWindow& window, const QPoint& at);

// A right click on the drawing area (not on a control) opens a menu of the window's actions.
void installDrawingMenu(MainWindow& window);

}  // namespace sw4
