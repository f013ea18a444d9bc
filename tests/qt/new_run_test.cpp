// New in the window: every widget and timer shows what a freshly started window shows.
#include <gtest/gtest.h>

#include <QTimer>

#include "model/fs4.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/main_window.h"
#include "qt/time_control.h"
#include "qt_app.h"
#include "widget_snapshot.h"

namespace sw4 {
namespace {

TEST(QtNewRunTest, EveryWidgetAndTimerIsAsInAFreshWindow) {
  testing::QtAppReady ready;
  Program freshSim, usedSim;
  MainWindow fresh(freshSim), used(usedSim);
  fresh.resize(1024, 768);
  used.resize(1024, 768);

  Fs4& f = usedSim.form;
  f.TXn.setText("12");
  f.CHr.userClick();
  f.Och(3).userClick();
  f.Command2.userClick();
  for (int i = 0; i < 20; ++i) f.Ti.fire();
  f.Chdark.userClick();
  f.Command5.userClick();  // the inspector opens, "Go" and the presets are long gone
  f.Qui.setValue(4);
  const auto& a = freshSim.form.all();
  const auto& b = usedSim.form.all();
  ASSERT_EQ(a.size(), b.size());
  // Every widget and timer that differs from the fresh window.
  const auto differences = [&] {
    QStringList found;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i].kind() == Kind::Timer) {
        if (fresh.time().scheduled(a[i]) != used.time().scheduled(b[i]) ||
            a[i].interval() != b[i].interval())
          found << QString::fromStdString(a[i].fullName());
        continue;
      }
      const QString sa = testing::shown(fresh, *fresh.controls().widgetOf(a[i]));
      const QString sb = testing::shown(used, *used.controls().widgetOf(b[i]));
      if (sa != sb) found << sa + " | " + sb;
    }
    return found;
  };
  ASSERT_FALSE(differences().isEmpty());
  newRun(usedSim);
  EXPECT_EQ(differences().join("\n").toStdString(), "");
}

}  // namespace
}  // namespace sw4
