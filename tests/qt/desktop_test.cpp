// The window on a desktop: resized to the screen, "X" is still at the right edge and ends the
// program, Ctrl+Q ends it, and a resize keeps what is drawn. Run offscreen with the other tests
// and on a 1600 x 1000 X display where one can be had.
#include <gtest/gtest.h>

#include <QScreen>
#include <cmath>
#include <QTest>

#include "model/fs4.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt_app.h"

namespace sw4 {
namespace {

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() {
    window.resize(1024, 768);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void resizeToTheScreen() {
    window.resize(window.screen()->availableGeometry().size());
    QTest::qWait(50);
  }
  QColor shownAt(int x, int y) {
    const QImage shot = window.grab().toImage();
    const double dpr = shot.devicePixelRatio();
    return shot.pixelColor(static_cast<int>(std::ceil(x * dpr)),
                           static_cast<int>(std::ceil(y * dpr)));
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
  HostHooks hooks{sim, window};
};

TEST_F(DesktopTest, AClickNearTheRightEdgeAtTheHeightOfXEndsTheProgram) {
  resizeToTheScreen();
  const int y = window.controls().widgetOf(sim.form.Command1)->geometry().center().y();
  const QPoint at(window.width() - 15, y);
  QWidget* hit = window.childAt(at);
  ASSERT_NE(hit, nullptr);
  QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&window, at));
  EXPECT_TRUE(sim.ended);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(DesktopTest, CtrlQEndsTheProgram) {
  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(sim.ended);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(DesktopTest, PixelsDrawnBeforeAResizeAreThereAfterIt) {
  sim.surface.setPixel(500 * 15, 400 * 15, rgb(255, 0, 255));
  resizeToTheScreen();
  EXPECT_EQ(shownAt(500, 400), QColor(255, 0, 255));
  window.resize(900, 650);
  EXPECT_EQ(shownAt(500, 400), QColor(255, 0, 255));
}

}  // namespace
}  // namespace sw4
