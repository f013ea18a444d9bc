// The window's drawing area: sized from the client area, showing the simulation's surface.
#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "model/sim.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt_app.h"

namespace sw4 {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    window.resize(800, 600);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  // The colour shown at logical pixel (x, y), also on a high-density screen.
  QColor shownAt(int x, int y) {
    const QImage shot = window.grab().toImage();
    const double dpr = shot.devicePixelRatio();
    return shot.pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr));
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
};

TEST_F(MainWindowTest, TitleIsTheFormsCaption) {
  EXPECT_EQ(window.windowTitle(), "SW4");
}

TEST_F(MainWindowTest, DrawingAreaIsTheClientAreaInTwips) {
  EXPECT_EQ(sim.widthTwips(), 800 * 15);
  EXPECT_EQ(sim.heightTwips(), 600 * 15);
  EXPECT_DOUBLE_EQ(sim.surface.devicePixelRatio(), window.devicePixelRatioF());
  EXPECT_EQ(sim.surface.widthPixels(), qRound(800 * window.devicePixelRatioF()));
  window.resize(640, 480);
  EXPECT_EQ(sim.widthTwips(), 640 * 15);
  EXPECT_EQ(sim.heightTwips(), 480 * 15);
}

TEST_F(MainWindowTest, ShowsTheSurfacesPixelsInTheirColours) {
  // (400, 300) lies in the free middle of the window.
  sim.surface.setPixel(400 * 15, 300 * 15, rgb(255, 128, 0));
  sim.surface.setPixel(401 * 15, 300 * 15, rgb(0, 64, 255));
  EXPECT_EQ(shownAt(400, 300), QColor(255, 128, 0));
  EXPECT_EQ(shownAt(401, 300), QColor(0, 64, 255));
  EXPECT_EQ(shownAt(402, 300), QColor(0, 0, 0));
}

TEST_F(MainWindowTest, ControlsCoverTheDrawing) {
  QWidget* pause = window.controls().widgetOf(sim.form.Command5);  // hidden until "Go"
  const QPoint inside = pause->geometry().center();
  sim.surface.setPixel(inside.x() * 15, inside.y() * 15, rgb(255, 0, 0));
  EXPECT_EQ(shownAt(inside.x(), inside.y()), QColor(255, 0, 0));
  sim.form.Command5.setVisible(true);
  EXPECT_NE(shownAt(inside.x(), inside.y()), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, ClearingShowsTheBackgroundAgain) {
  sim.surface.setPixel(400 * 15, 300 * 15, rgb(255, 255, 255));
  sim.form.Command4.userClick();  // "Clear"
  EXPECT_EQ(shownAt(400, 300), QColor(0, 0, 0));
}

TEST_F(MainWindowTest, UnbindsFromTheSimulationWhenClosed) {
  {
    Program other;
    {
      MainWindow w(other);
      EXPECT_FALSE(other.tickDone.empty());
    }
    EXPECT_TRUE(other.tickDone.empty());
    other.form.TXn.setText("9");  // the controls no longer reach the destroyed widgets
    other.form.Tr.setEnabled(false);
  }
}

}  // namespace
}  // namespace sw4
