// New in the window: every widget and timer shows what a freshly started window shows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/main_window.h"
#include "qt/timer_binding.h"
#include "qt_app.h"

namespace sw4 {
namespace {

QString shown(QWidget& window, QWidget& w) {
  QString s = QStringLiteral("%1 visible=%2 enabled=%3 geometry=%4,%5,%6,%7 fore=%8 back=%9")
                  .arg(w.objectName())
                  .arg(w.isVisibleTo(&window))
                  .arg(w.isEnabled())
                  .arg(w.x())
                  .arg(w.y())
                  .arg(w.width())
                  .arg(w.height())
                  .arg(w.palette().color(w.foregroundRole()).name())
                  .arg(w.palette().color(w.backgroundRole()).name());
  if (auto* e = qobject_cast<QLineEdit*>(&w))
    s += " text=" + e->text() + QStringLiteral(" readOnly=%1").arg(e->isReadOnly());
  if (auto* c = qobject_cast<QCheckBox*>(&w)) s += QStringLiteral(" state=%1").arg(c->checkState());
  if (auto* b = qobject_cast<QAbstractButton*>(&w))
    s += " text=" + b->text() + QStringLiteral(" checked=%1").arg(b->isChecked());
  if (auto* b = qobject_cast<QScrollBar*>(&w))
    s += QStringLiteral(" range=%1..%2 value=%3")
             .arg(b->minimum())
             .arg(b->maximum())
             .arg(b->value());
  if (auto* l = qobject_cast<QLabel*>(&w)) s += " text=" + l->text();
  if (auto* g = qobject_cast<QGroupBox*>(&w)) s += " title=" + g->title();
  return s;
}

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
        const QTimer* ta = fresh.timers().timerOf(a[i]);
        const QTimer* tb = used.timers().timerOf(b[i]);
        if (ta->isActive() != tb->isActive() || ta->interval() != tb->interval())
          found << QString::fromStdString(a[i].fullName());
        continue;
      }
      const QString sa = shown(fresh, *fresh.controls().widgetOf(a[i]));
      const QString sb = shown(used, *used.controls().widgetOf(b[i]));
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
