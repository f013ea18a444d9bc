// Keeping what a run makes: pictures, setups, New by its shortcut, the plot of the watched body.
#include "qt/keep_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "model/fs4.h"
#include "model/world.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/drawing_menu.h"
#include "qt/main_window.h"
#include "qt/picture_export.h"
#include "qt/plot_window.h"
#include "qt/remembered.h"
#include "qt/shortcuts.h"
#include "qt_app.h"
#include "script/items.h"
#include "widget_snapshot.h"

namespace sw4 {
namespace {

class KeepActionsTest : public ::testing::Test {
 protected:
  KeepActionsTest() {
    window.resize(1024, 768);
    keep.warn = [this](const QString&, const QString& text) { warnings << text; };
    keep.discardQuestion().ask = [this] {
      ++asked;
      return answer;
    };
  }

  // A running system of a few bodies, some fields typed.
  void run(int ticks) {
    Fs4& f = sim.form;
    f.TXn.setText("30");
    f.Text3.setText("50");
    f.Command2.userClick();
    for (int i = 0; i < ticks; ++i) f.Ti.fire();
  }

  // Every widget and every item the driver can print.
  QStringList everything() {
    QStringList s;
    for (const Control& c : sim.form.all())
      if (QWidget* w = window.controls().widgetOf(c)) s << testing::shown(window, *w);
    for (const std::string& name : printableItemNames(sim.form))
      s << QString::fromStdString(name + "=" + resolveItem(sim, name).read());
    return s;
  }

  QString write(const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return path;
  }

  testing::QtAppReady ready;
  QTemporaryDir dir;
  Program sim;
  MainWindow window{sim};
  KeepActions keep{sim, window};
  QStringList warnings;
  int asked = 0;
  DiscardQuestion::Answer answer{.discard = true};
};

TEST_F(KeepActionsTest, ABadSetupLeavesTheWindowExactlyAsItWas) {
  run(10);
  const QStringList before = everything();
  const QString files[] = {
      write("fire.sw4", "text TXn 12\nfire Ti 5\n"),
      write("unknown.sw4", "text TXn 12\nclick ChNothing\n"),
      write("truncated.sw4", "text TXn 12\nscroll Hsp(1"),
  };
  for (const QString& path : files) EXPECT_FALSE(keep.openSetupFrom(path)) << path.toStdString();
  EXPECT_EQ(everything(), before);
  ASSERT_EQ(warnings.size(), 3);
  EXPECT_TRUE(warnings[0].startsWith("fire.sw4, line 2:")) << warnings[0].toStdString();
  EXPECT_TRUE(warnings[2].startsWith("truncated.sw4, line 2:")) << warnings[2].toStdString();
}

TEST_F(KeepActionsTest, ASavedSetupOpensOntoAFreshStart) {
  sim.form.Och(5).userClick();
  run(5);
  const QString path = dir.filePath("mine.sw4");
  ASSERT_TRUE(keep.saveSetupTo(path));
  ASSERT_TRUE(keep.openSetupFrom(path));
  EXPECT_TRUE(warnings.isEmpty());
  EXPECT_EQ(sim.form.TXn.text(), "30");
  EXPECT_TRUE(sim.form.Och(5).selected());
  EXPECT_TRUE(window.controls().widgetOf(sim.form.Command2)->isVisibleTo(&window));
  EXPECT_EQ(sim.world.TickCount, 0);
}

TEST_F(KeepActionsTest, ThePictureIsSavedAtTheSurfacesResolution) {
  window.show();
  run(20);
  const QString path = dir.filePath("picture.png");
  ASSERT_TRUE(keep.savePictureTo(path));
  const QImage saved(path);
  ASSERT_EQ(saved.width(), sim.surface.widthPixels());
  ASSERT_EQ(saved.height(), sim.surface.heightPixels());
  EXPECT_EQ(saved, drawingPicture(sim.surface).convertToFormat(saved.format()));
  EXPECT_FALSE(keep.savePictureTo(dir.filePath("no/such/folder/p.png")));
  EXPECT_EQ(warnings.size(), 1);
}

TEST(PictureNameTest, DateAndTimeOfTheMoment) {
  EXPECT_EQ(defaultPictureName(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))),
            "sw4-20260304-050607.png");
}

TEST_F(KeepActionsTest, ControlNStartsAnewWhileAFieldHasTheFocus) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  run(5);
  QWidget* field = window.controls().widgetOf(sim.form.Text3);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(sim.form.Text3.text(), "72");
  EXPECT_TRUE(sim.form.Command2.visible());
  EXPECT_EQ(sim.surface.dotCount(), 0);
}

TEST_F(KeepActionsTest, NewAndOpenSetupAskBeforeTheyDiscardARunThatTicked) {
  keep.startAnew()->trigger();
  EXPECT_EQ(asked, 0);  // nothing to lose
  run(5);
  answer = {.discard = false, .dontAskAgain = true};  // Cancel: kept, and asked again next time
  keep.startAnew()->trigger();
  QTimer::singleShot(0, [] {  // inside a file dialog's own loop, had one opened
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "Open setup went on to its file dialog";
      dialog->close();
    }
  });
  keep.openSetup()->trigger();  // asks before its file dialog
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(sim.world.TickCount, 5);
  answer = {.discard = true, .dontAskAgain = true};
  keep.startAnew()->trigger();
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(sim.world.TickCount, 0);
  run(5);
  keep.startAnew()->trigger();
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(sim.world.TickCount, 0);
  EXPECT_TRUE(discardWithoutAsking());  // kept in the settings for the next start
}

TEST_F(KeepActionsTest, HelpListsEveryKeyAndNoKeyIsBoundTwice) {
  QStringList keys;
  for (const Shortcuts::Entry& e : window.shortcuts().entries())
    keys << e.keys.split(QStringLiteral(" or "));
  for (QAction* a : {keep.savePicture(), keep.copyPicture(), keep.startAnew(), keep.saveSetup(),
                     keep.openSetup(), keep.plot()})
    EXPECT_TRUE(keys.contains(a->shortcut().toString())) << a->text().toStdString();
  for (const QString& k : keys) EXPECT_EQ(keys.count(k), 1) << k.toStdString();
}

TEST_F(KeepActionsTest, TheMenuOpensOnTheDrawingAndItsPicturesButNotOnAField) {
  window.show();
  sim.form.ImSun.setVisible(true);
  const auto at = [this](const Control& c) {
    const QWidget* w = window.controls().widgetOf(c);
    return w->mapTo(&window, w->rect().center());
  };
  EXPECT_TRUE(onDrawing(window, QPoint(5, 5)));
  EXPECT_TRUE(onDrawing(window, at(sim.form.ImSun)));
  EXPECT_FALSE(onDrawing(window, at(sim.form.TXn)));
}

TEST_F(KeepActionsTest, AClosedPlotDoesNotListenAndAnOpenOneOnlyReads) {
  PlotWindow& plot = keep.plotWindow();
  EXPECT_FALSE(plot.listening());
  Program twin;  // the same run in a window without a plot
  MainWindow twinWindow{twin};
  twinWindow.resize(window.size());
  run(3);
  twin.form.TXn.setText("30");
  twin.form.Text3.setText("50");
  twin.form.Command2.userClick();
  for (int i = 0; i < 3; ++i) twin.form.Ti.fire();

  keep.plot()->trigger();
  ASSERT_TRUE(plot.listening());
  sim.form.TXTOden.setText("4");
  twin.form.TXTOden.setText("4");
  for (int i = 0; i < 40; ++i) {
    sim.form.Ti.fire();
    twin.form.Ti.fire();
  }
  ASSERT_EQ(plot.log().size(), 40u);
  EXPECT_EQ(plot.log().body(), 4);
  EXPECT_EQ(plot.csv().count('\n'), 41);
  for (const std::string& name : printableItemNames(sim.form))
    ASSERT_EQ(resolveItem(sim, name).read(), resolveItem(twin, name).read()) << name;

  plot.close();
  EXPECT_FALSE(plot.listening());
  sim.form.Ti.fire();
  EXPECT_EQ(plot.log().size(), 40u);
}

TEST(RotationCurveTest, MedianSpeedOfTheVisibleBodiesByDistance) {
  const std::vector<CurvePoint> points = {{10, 2, false}, {11, 3, false},   {25, 50, false},
                                          {30, 4, false}, {35, 900, false}, {40, 6, false},
                                          {100, 99, true}};
  const std::vector<CurvePoint> curve = medianSpeedCurve(points, 4, 2);
  // The dark ring is left out, also from the reach (40); so is the body alone at 25.
  ASSERT_EQ(curve.size(), 2u);
  EXPECT_EQ(curve[0].distance, 15);
  EXPECT_EQ(curve[0].speed, 2.5);
  EXPECT_EQ(curve[1].speed, 6);  // the one flung off does not lift it
}

TEST_F(KeepActionsTest, TheRotationCurveShowsWhileDarkMatterIsTicked) {
  run(3);
  PlotWindow& plot = keep.plotWindow();
  plot.show();
  plot.redraw();
  EXPECT_FALSE(plot.curveView()->isVisibleTo(&plot));
  sim.form.Chdark.userClick();
  plot.redraw();
  EXPECT_TRUE(plot.curveView()->isVisibleTo(&plot));
}

TEST(WatchLogTest, KeepsTheLastTicksAndStartsAnewWhenATickDoesNotFollowTheLast) {
  World w;
  w.InspectedPlanet = 2;
  WatchLog log;
  for (int t = 1; t <= static_cast<int>(WatchLog::kCapacity) + 5; ++t) {
    w.TickCount = t;
    w.PlanetDistance = t;
    log.record(w);
  }
  ASSERT_EQ(log.size(), WatchLog::kCapacity);
  EXPECT_EQ(log[0].tick, 6);
  EXPECT_EQ(log[log.size() - 1].distance, WatchLog::kCapacity + 5.0);
  w.TickCount = 1;  // a pause set the count back
  log.record(w);
  EXPECT_EQ(log.size(), 1u);
  w.TickCount = 2;
  w.InspectedPlanet = -1;  // the field names no body
  log.record(w);
  EXPECT_EQ(log.size(), 1u);
  w.InspectedPlanet = 2;
  log.record(w);
  EXPECT_EQ(log.size(), 2u);
  w.TickCount = 9;  // ticks went by while the plot was closed
  log.record(w);
  EXPECT_EQ(log.size(), 1u);
}

}  // namespace
}  // namespace sw4
