#pragma once
#include <QPixmap>

namespace sw4 {

// The two pictures of the window, painted at start-up: a glowing sun and a grey, cratered moon.
// size is the edge of the square pixmap in device pixels.
QPixmap sunPicture(int size);
QPixmap moonPicture(int size);

}  // namespace sw4
