// The view in the window: the wheel, a drag and a double-click move it, the world never notices,
// the picture painted bit by bit while following is the view's own, and the classic view is the
// picture as it was.
#include "qt/view_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "contacts/contact_controls.h"
#include "model/fs4.h"
#include "model/world.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/main_window.h"
#include "qt/view_picture.h"
#include "qt_app.h"
#include "recording/world_hash.h"
#include "view/world_view.h"

namespace sw4 {
namespace {

struct PaintCount : QObject {
  bool eventFilter(QObject*, QEvent* e) override {
    count += e->type() == QEvent::Paint;
    return false;
  }
  int count = 0;
};

class ViewActionsTest : public ::testing::Test {
 protected:
  ViewActionsTest() {
    window.resize(900, 700);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    plain.resizeDrawingArea(sim.widthTwips(), sim.heightTwips());
    for (Program* s : {&sim, &plain}) {
      s->form.Frame7.setVisible(false);
      s->form.Command2.userClick();  // "Go"
      s->form.Ti.setEnabled(false);  // the test ticks
    }
  }
  // Both runs tick; the window paints as after a timer's event.
  void tickBoth(int ticks) {
    for (int t = 0; t < ticks; ++t) {
      tick(sim);
      tick(plain);
      window.drawingChanged();
      QTest::qWait(18);  // a display frame
    }
  }
  void send(QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, window.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &e);
  }
  void drag(QPointF from, QPointF to) {
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
  }
  void trigger(const QString& entry) {
    for (QAction* a : window.actions())
      if (a->text() == entry) return a->trigger();
    ADD_FAILURE() << "no entry " << entry.toStdString();
  }
  QImage shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  int width() const { return sim.surface.widthPixels(); }
  int height() const { return sim.surface.heightPixels(); }

  testing::QtAppReady ready;
  Program sim, plain;
  MainWindow window{sim};
  ViewActions actions{sim, window};
  WorldView& view = window.view();
};

TEST_F(ViewActionsTest, GesturesMoveTheViewAndClassicIsThePictureAsBefore) {
  tickBoth(5);
  const QImage classic = shown();
  // The wheel keeps the world's point under the cursor there.
  const QPointF cursor(480, 420);  // on the drawing, no control there
  const double x = view.worldX(cursor.x(), width()), y = view.worldY(cursor.y(), height());
  QWheelEvent wheel(cursor, window.mapToGlobal(cursor), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&window, &wheel);
  EXPECT_DOUBLE_EQ(view.zoom(), ViewActions::kZoomStep * ViewActions::kZoomStep);
  EXPECT_NEAR(view.screenX(x, width()), cursor.x(), 1);
  EXPECT_NEAR(view.screenY(y, height()), cursor.y(), 1);
  EXPECT_NE(shown(), classic);
  // A press that moves less than the drag distance is a click; a longer drag takes the picture
  // along.
  const double cx = view.centreX();
  drag({520, 460}, {522, 461});
  EXPECT_EQ(view.centreX(), cx);
  const double px = view.worldX(520, width()), py = view.worldY(460, height());
  drag({520, 460}, {560, 440});
  EXPECT_NEAR(view.screenX(px, width()), 560, 1);
  EXPECT_NEAR(view.screenY(py, height()), 440, 1);
  trigger(QStringLiteral("Classic view"));
  EXPECT_TRUE(view.classic());
  EXPECT_EQ(shown(), classic);
}

TEST_F(ViewActionsTest, TheSunsPictureShowsWhereTheViewHasTheSun) {
  tickBoth(2);
  const QWidget* sun = window.controls().widgetOf(ContactControls(sim).sunPicture());
  const QRect classic = sun->geometry();
  trigger(QStringLiteral("Zoom in"));
  drag({520, 460}, {560, 440});
  const double x = view.screenX(sim.world.PlanetX[0], width());
  const double y = view.screenY(sim.world.PlanetY[0], height());
  EXPECT_NEAR(sun->geometry().center().x(), x, 1);
  EXPECT_NEAR(sun->geometry().center().y(), y, 1);
  EXPECT_EQ(sun->geometry().size(), classic.size());
  trigger(QStringLiteral("Classic view"));
  EXPECT_EQ(sun->geometry(), classic);
}

TEST_F(ViewActionsTest, FollowingPaintsTheViewAndLeavesTheWorldAlone) {
  tickBoth(3);
  trigger(QStringLiteral("Zoom in"));
  const World& w = sim.world;
  const auto place = [&](int b) {
    return QPointF(view.screenX(w.PlanetX[b], width()), view.screenY(w.PlanetY[b], height()));
  };
  std::vector<QPointF> before;
  for (int b = 0; b <= w.TotalPlanets; ++b) before.push_back(place(b));
  const QPointF at = before[1] + QPointF(3, -2);
  send(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
  const int followed = view.followed();
  ASSERT_GE(followed, 0);
  EXPECT_LE(QLineF(at, before[followed]).length(), ViewActions::kReach);
  EXPECT_NEAR(place(followed).x(), width() / 2.0, 1);
  tickBoth(5);
  // The picture moves beneath the frames; nothing in them changes.
  PaintCount framePaints;
  for (QGroupBox* frame : window.findChildren<QGroupBox*>())
    frame->installEventFilter(&framePaints);
  tickBoth(35);
  EXPECT_EQ(framePaints.count, 0);
  EXPECT_EQ(worldHash(sim), worldHash(plain));
  // What was painted a piece at a time, scrolled along with the body, is the view rendered
  // whole, wherever no control or figure covers it.
  const QImage painted = shown();
  const std::vector<std::uint32_t> whole = view.render(width(), height());
  QRegion open(window.rect());
  for (const QWidget* c : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (c->isVisible()) open -= c->geometry();
  open -= QRect(window.width() - 200, window.height() - 60, 200, 60);  // the figure and marks
  int differing = 0;
  for (const QRect& r : open)
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        differing +=
            (painted.pixel(x, y) | 0xFF000000u) != whole[static_cast<std::size_t>(y) * width() + x];
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace sw4
