#pragma once
#include <QApplication>
#include <cstdlib>

#include "platform/qt/qt_theme.h"

namespace sw4::testing {

// The one QApplication of a test process, themed as the app is; on the offscreen platform unless
// another one was chosen.
inline QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "sw4_qt_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication a(argc, argv);
    applyTheme(a);
    return &a;
  }();
  return *app;
}

// Declared first in a fixture, so the application exists before any widget member.
struct QtAppReady {
  QtAppReady() { qtApp(); }
};

}  // namespace sw4::testing
