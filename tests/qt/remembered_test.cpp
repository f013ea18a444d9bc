// What the window keeps between runs: where its windows were, the last folder of each kind of
// file.
#include "qt/remembered.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "program/program.h"
#include "qt/main_window.h"
#include "qt/plot_window.h"
#include "qt_app.h"

namespace sw4 {
namespace {

class RememberedTest : public ::testing::Test {
 protected:
  testing::QtAppReady ready;
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
};

// The offscreen screen is no larger than the main window's least size: a plain window shows the
// place kept and fitted, the main window its state.
TEST_F(RememberedTest, AWindowOpensWhereItWasFittedToTheScreen) {
  const auto keep = [](const QRect& placed) {
    QWidget w;
    w.setGeometry(placed);
    w.show();
    rememberPlace(WindowPlace::Plot, w);
  };
  const QRect placed(room.topLeft() + QPoint(30, 40), QSize(300, 200));
  keep(placed);
  QWidget again;
  ASSERT_TRUE(restorePlace(WindowPlace::Plot, again));
  EXPECT_EQ(again.geometry(), placed);
  keep(QRect(room.topLeft() + QPoint(200, 100), room.size() + QSize(300, 200)));
  QWidget fitted;
  ASSERT_TRUE(restorePlace(WindowPlace::Plot, fitted));
  EXPECT_TRUE(room.contains(fitted.frameGeometry()));
}

TEST_F(RememberedTest, TheWindowOpensFullScreenWhenClosedFullScreen) {
  for (bool fullScreen : {true, false}) {
    {
      Program sim;
      MainWindow window{sim};
      window.open();
      if (window.isFullScreen() != fullScreen) window.toggleFullScreen();
      window.close();
    }
    Program sim;
    MainWindow window{sim};
    window.open();
    EXPECT_EQ(window.isFullScreen(), fullScreen);
  }
}

TEST_F(RememberedTest, ThePlotOpensWhereItWasAndEscapeOrCtrlWClosesIt) {
  Program sim;
  MainWindow window{sim};
  const QRect placed(room.topLeft() + QPoint(50, 60), QSize(600, 500));
  {
    PlotWindow plot(sim, &window);
    for (QKeySequence keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
      plot.show();
      plot.setGeometry(placed);
      plot.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&plot));
      QTest::keySequence(&plot, keys);
      EXPECT_FALSE(plot.isVisible()) << keys.toString().toStdString();
    }
  }
  PlotWindow again(sim, &window);
  EXPECT_EQ(again.geometry(), placed);
}

TEST_F(RememberedTest, EachKindOfFileKeepsItsFolderWhileTheFolderLasts) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("pictures"));
  rememberFolder(FileKind::Picture, dir.filePath("pictures/sky.png"));
  rememberFolder(FileKind::Csv, dir.filePath("body.csv"));
  EXPECT_EQ(lastFolder(FileKind::Picture, "home"), dir.filePath("pictures"));
  EXPECT_EQ(lastFolder(FileKind::Csv, "home"), dir.path());
  EXPECT_EQ(lastFolder(FileKind::Setup, "home"), "home");
  ASSERT_TRUE(QDir(dir.filePath("pictures")).removeRecursively());
  EXPECT_EQ(lastFolder(FileKind::Picture, "home"), "home");
}

}  // namespace
}  // namespace sw4
