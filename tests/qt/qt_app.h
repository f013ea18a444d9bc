#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "qt/qt_theme.h"

namespace sw4::testing {

// The one QApplication of a test process, themed as the app is; on the offscreen platform unless
// another one was chosen. Its settings are the tests' own, never the user's: in a folder of their
// own, empty at the start of every test. It is deleted when the tests end, inside main: deleted
// later, among the static destructors, it would outlive Qt's own globals and crash on the way out.
class QtEnvironment : public ::testing::Environment {
 public:
  static QApplication& app() {
    if (!app_) {
      if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
      app_ = new QApplication(argc_, argv_);
      QCoreApplication::setOrganizationName(QStringLiteral("sw4-tests"));
      settings_ = new QTemporaryDir;
      for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
        for (QSettings::Scope s : {QSettings::UserScope, QSettings::SystemScope})
          QSettings::setPath(f, s, settings_->path());
      ::testing::UnitTest::GetInstance()->listeners().Append(new ClearSettings);
      applyTheme(*app_);
    }
    return *app_;
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
    delete settings_;
    settings_ = nullptr;
  }

 private:
  struct ClearSettings : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { QSettings().clear(); }
  };

  static inline QTemporaryDir* settings_ = nullptr;
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
