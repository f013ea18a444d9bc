// The window's drawing area: sized from the client area, showing the simulation's surface.
#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <QTest>

#include "model/fs4.h"
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
  // The colour shown at logical pixel (x, y), also on a high-density screen (where a device
  // pixel shows the logical pixel its left top corner lies in).
  QColor shownAt(int x, int y) {
    const QImage shot = window.grab().toImage();
    const double dpr = shot.devicePixelRatio();
    return shot.pixelColor(static_cast<int>(std::ceil(x * dpr)),
                           static_cast<int>(std::ceil(y * dpr)));
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
  EXPECT_EQ(sim.surface.widthPixels(), 800);  // a dot a logical pixel, at every scale
  window.resize(1280, 720);
  EXPECT_EQ(sim.widthTwips(), 1280 * 15);
  EXPECT_EQ(sim.heightTwips(), 720 * 15);
}

TEST_F(MainWindowTest, NoSmallerThanTheMinimum) {
  window.resize(640, 480);
  EXPECT_EQ(window.size(), QSize(800, 600));
}

// A dot is a block of device pixels in its own colour, next to pure background: no smoothing.
TEST_F(MainWindowTest, OneDotIsOneLogicalPixelUnsmoothed) {
  sim.surface.setPixel(400 * 15, 300 * 15, rgb(255, 128, 0));
  const QImage shot = window.grab().toImage();
  const double dpr = shot.devicePixelRatio();
  const QColor dot(255, 128, 0), back(0, 0, 0);
  int lit = 0;
  for (int dy = static_cast<int>(298 * dpr); dy < static_cast<int>(303 * dpr); ++dy) {
    for (int dx = static_cast<int>(398 * dpr); dx < static_cast<int>(403 * dpr); ++dx) {
      const QColor c = shot.pixelColor(dx, dy);
      ASSERT_TRUE(c == dot || c == back) << dx << "," << dy;
      lit += c == dot;
      if (dpr == std::floor(dpr)) {
        const bool inside = dx / static_cast<int>(dpr) == 400 && dy / static_cast<int>(dpr) == 300;
        EXPECT_EQ(c == dot, inside) << dx << "," << dy;
      }
    }
  }
  EXPECT_GE(lit, static_cast<int>(std::floor(dpr) * std::floor(dpr)));
  EXPECT_LE(lit, static_cast<int>(std::ceil(dpr) * std::ceil(dpr)));
}

TEST_F(MainWindowTest, WhatIsDrawnStaysThroughResizing) {
  sim.surface.setPixel(400 * 15, 300 * 15, rgb(255, 128, 0));
  window.resize(1600, 1000);
  EXPECT_EQ(shownAt(400, 300), QColor(255, 128, 0));
  EXPECT_EQ(shownAt(1500, 900), QColor(0, 0, 0));  // uncovered: background
  window.resize(800, 600);
  EXPECT_EQ(shownAt(400, 300), QColor(255, 128, 0));
}

TEST_F(MainWindowTest, ACroppedPartComesBackUntilCleared) {
  window.resize(1600, 1000);
  sim.surface.setPixel(1500 * 15, 900 * 15, rgb(0, 255, 0));
  window.resize(800, 600);
  EXPECT_EQ(sim.surface.dotCount(), 0);
  window.resize(1600, 1000);
  EXPECT_EQ(shownAt(1500, 900), QColor(0, 255, 0));
  window.resize(800, 600);
  sim.form.Command4.userClick();  // "Clear"
  window.resize(1600, 1000);
  EXPECT_EQ(shownAt(1500, 900), QColor(0, 0, 0));
}

// A window larger than the driver's limit stops at 8192 device pixels a side (Qt's backing store
// is as large as the window); a drawing area asked larger from outside keeps the surface there.
TEST_F(MainWindowTest, AHugeWindowKeepsTheSurfaceBounded) {
  window.resize(20000, 700);
  const double dpr = window.devicePixelRatioF();
  EXPECT_LE(window.width() * dpr, Surface::kMaxSide);
  EXPECT_GT((window.width() + 1) * dpr, Surface::kMaxSide);
  EXPECT_EQ(sim.widthTwips(), window.width() * 15);
  EXPECT_EQ(sim.heightTwips(), 700 * 15);
  sim.resizeDrawingArea(32767 * 15, 300 * 15, dpr);
  EXPECT_EQ(sim.surface.widthPixels(), Surface::kMaxSide);
  EXPECT_EQ(sim.widthTwips(), Surface::maxTwips(dpr));
  EXPECT_EQ(sim.surface.heightPixels(), qRound(300 * dpr));
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
