#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "qt/qt_theme.h"

namespace sw4::testing {

// The one QApplication of a test process, themed as the app is; on the offscreen platform unless
// another one was chosen. It is deleted when the tests end, inside main: deleted later, among
// the static destructors, it would outlive Qt's own globals and crash on the way out.
class QtEnvironment : public ::testing::Environment {
 public:
  static QApplication& app() {
    if (!app_) {
      if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
      app_ = new QApplication(argc_, argv_);
      applyTheme(*app_);
    }
    return *app_;
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  static inline QApplication* app_ = nullptr;
  static inline int argc_ = 1;
  static inline char name_[] = "sw4_qt_tests";
  static inline char* argv_[] = {name_, nullptr};
};

inline ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Declared first in a fixture, so the application exists before any widget member.
struct QtAppReady {
  QtAppReady() { QtEnvironment::app(); }
};

}  // namespace sw4::testing
