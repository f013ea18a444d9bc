// The window's layout at 1024 x 768 and at other sizes down to the minimum: nothing visible
// overlaps, everything lies inside the client area, every caption a control can show fits its
// widget and keeps clear of its field, and the middle stays free for the orbits.
#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "model/fs4.h"
#include "qt/control_binding.h"
#include "qt/frame_box.h"
#include "qt/window_layout.h"
#include "qt_app.h"

namespace sw4 {
namespace {

constexpr int kWidth = 1024, kHeight = 768;

class LayoutTest : public ::testing::Test {
 protected:
  LayoutTest() { setSize(QSize(kWidth, kHeight)); }
  void setSize(QSize size) {
    window.resize(size);
    window.show();  // a hidden window is told its size only when shown
  }

  // What may show before "Go": the clearing period, the moon field and attempts.
  void showOptionalFields() {
    form.TXref.setVisible(true);
    form.Text8.setVisible(true);
    form.Lapollo.setVisible(true);
  }
  void widenOrbits() {
    form.Frame6.setWidth(3300);
    form.TXTdec.setWidth(1800);
  }
  // What "Go" shows, hides and moves.
  void applyGo() {
    form.Label12.setVisible(false);
    form.Command5.setLeft(30);
    form.CHran.setVisible(false);
    for (Control* p : form.CDp.members()) p->setVisible(false);
    form.Command2.setVisible(false);
    form.Command5.setVisible(true);
    form.ImMoon.setVisible(false);
  }
  // The inspector and the record panel, scroll bars included (the "visual" mode).
  void openInspector() {
    for (int i = 0; i <= 6; ++i) form.TXTp(i).setVisible(true);
    for (int i = 0; i <= 4; ++i) form.Label6(i).setVisible(true);
    for (int i = 0; i <= 3; ++i) form.Hsp(i).setVisible(true);
    for (int i : {0, 5, 15, 16}) form.La(i).setVisible(true);
    for (Control* c : {&form.TXTOden, &form.TxTyp, &form.Qui, &form.Frame2, &form.Chon, &form.ChLim,
                       &form.Label7, &form.Label8, &form.Label9, &form.LaVmax, &form.LaVmin,
                       &form.LaVnow, &form.LavPer, &form.Text7})
      c->setVisible(true);
    form.Chon.setCaption("Planet OFF");  // the widest it shows
  }

  bool shown(const Control& c) {
    QWidget* w = binding.widgetOf(c);
    return w && c.kind() != Kind::Shape && w->isVisibleTo(&window);
  }
  QRect onWindow(const QWidget& w) { return QRect(w.mapTo(&window, QPoint(0, 0)), w.size()); }

  void expectNoOverlaps() {
    for (const Control& a : form.all()) {
      if (!shown(a)) continue;
      for (const Control& b : form.all()) {
        if (&b <= &a || !shown(b)) continue;
        QWidget* wa = binding.widgetOf(a);
        QWidget* wb = binding.widgetOf(b);
        if (wa->parentWidget() != wb->parentWidget()) continue;
        EXPECT_FALSE(wa->geometry().intersects(wb->geometry()))
            << a.fullName() << " overlaps " << b.fullName();
      }
    }
  }

  // Inside the client area and inside its frame; the children of a narrow "Orbits" frame are
  // clipped on purpose.
  void expectInside(bool orbitsNarrow) {
    for (const Control& c : form.all()) {
      if (!shown(c)) continue;
      QWidget* w = binding.widgetOf(c);
      EXPECT_TRUE(window.rect().contains(onWindow(*w))) << c.fullName() << " leaves the window";
      QWidget* parent = w->parentWidget();
      if (parent == &window || (orbitsNarrow && c.container() == &form.Frame6)) continue;
      EXPECT_TRUE(QRect(QPoint(0, 0), parent->size()).contains(w->geometry()))
          << c.fullName() << " leaves its frame";
    }
  }

  // Where the control's text shows: what changes when only its colour does.
  QRect ink(QWidget& w) {
    const QPalette kept = w.palette();
    const QImage before = w.grab().toImage();
    QPalette p = kept;
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
      p.setColor(role, QColor(255, 0, 255));
    w.setPalette(p);
    const QImage after = w.grab().toImage();
    w.setPalette(kept);
    QRect r;
    for (int y = 0; y < before.height(); ++y)
      for (int x = 0; x < before.width(); ++x)
        if (before.pixel(x, y) != after.pixel(x, y)) r |= QRect(x, y, 1, 1);
    if (r.isEmpty()) return r;
    const qreal dpr = before.devicePixelRatio();  // to logical pixels
    return QRect(
        QPoint(std::floor(r.left() / dpr), std::floor(r.top() / dpr)),
        QPoint(std::ceil((r.right() + 1) / dpr) - 1, std::ceil((r.bottom() + 1) / dpr) - 1));
  }

  // The text shows as much of itself as it does with room to spare.
  void expectFits(Control& c, const QString& text) {
    QWidget* w = binding.widgetOf(c);
    const std::string kept = c.text();
    c.setText(text.toStdString());
    const QSize size = w->size();
    const QRect asPlaced = ink(*w);
    w->resize(size + QSize(400, 40));
    const QRect roomy = ink(*w);
    w->resize(size);
    c.setText(kept);
    EXPECT_FALSE(roomy.isEmpty()) << c.fullName() << " shows no \"" << text.toStdString() << "\"";
    EXPECT_LE(roomy.width() - asPlaced.width(), 1)
        << c.fullName() << " cuts \"" << text.toStdString() << "\"";
    EXPECT_LE(roomy.height() - asPlaced.height(), 1) << c.fullName() << " too low";
  }

  void expectTextsFit() {
    for (Control& c : form.all())
      if (shown(c) && !c.text().empty()) expectFits(c, QString::fromStdString(c.text()));
  }

  // A caption of the layout before its field ends at least a few pixels short of it.
  void expectCaptionsClearOfFields() {
    for (const auto& [cap, targets] : form.captionLinks()) {
      for (const Control* t : targets) {
        if (!shown(*cap) || !shown(*t) || t->kind() != Kind::TextBox) continue;
        const QRect rc = onWindow(*binding.widgetOf(*cap)), rt = onWindow(*binding.widgetOf(*t));
        if (rc.top() > rt.bottom() || rt.top() > rc.bottom() || rc.left() > rt.left()) continue;
        const int textEnd = rc.left() + ink(*binding.widgetOf(*cap)).right() + 1;
        EXPECT_GE(rt.left() - textEnd, 4) << cap->fullName() << " touches " << t->fullName();
      }
    }
  }

  void expectAllWell(bool orbitsNarrow) {
    expectNoOverlaps();
    expectInside(orbitsNarrow);
    expectTextsFit();
    expectCaptionsClearOfFields();
  }

  testing::QtAppReady ready;
  Fs4 form;
  QWidget window;
  ControlBinding binding{form, window, {}};
};

TEST_F(LayoutTest, SizesThatBehaviourDependsOn) {
  EXPECT_EQ(form.Frame6.width(), 915);
  EXPECT_EQ(form.TXTdec.width(), 1215);
  EXPECT_EQ(form.TXTdec.container(), &form.Frame6);
  for (Control* panel : {&form.Frame7, &form.Frame8}) {
    EXPECT_EQ(panel->width(), 930);
    EXPECT_EQ(panel->left(), 0);
    EXPECT_EQ(panel->container(), nullptr);
  }
  EXPECT_EQ(form.Shark.width(), 225);
  EXPECT_EQ(form.Shark.height(), 225);
  for (Control* c :
       {&form.CHall, &form.CDstar, &form.TXspibi, &form.ChSpi, &form.ChGal, &form.Ch2, &form.ChCir,
        &form.Check1, &form.ChA, &form.Chperf, &form.Text9, &form.Text10, &form.Text11})
    EXPECT_EQ(c->container(), &form.Frame6) << c->fullName();
}

TEST_F(LayoutTest, AtDesignTime) {
  showOptionalFields();
  expectAllWell(true);
}

TEST_F(LayoutTest, WithTheOrbitsFrameWide) {
  showOptionalFields();
  widenOrbits();
  expectAllWell(false);
}

TEST_F(LayoutTest, AfterGo) {
  applyGo();
  showOptionalFields();
  widenOrbits();
  expectAllWell(false);
}

TEST_F(LayoutTest, PausedWithTheInspectorOpen) {
  applyGo();
  showOptionalFields();
  widenOrbits();
  openInspector();
  expectAllWell(false);
}

// But for a field that gives its caption room by a few pixels.
TEST_F(LayoutTest, TheFirstScreenKeepsItsDesignPlaces) {
  for (const Control& c : form.all()) {
    if (!shown(c)) continue;
    const QRect design(c.left() / 15, c.top() / 15, c.width() / 15, c.height() / 15);
    const QRect r = binding.widgetOf(c)->geometry();
    EXPECT_EQ(QRect(design.topRight(), design.bottomRight()), QRect(r.topRight(), r.bottomRight()))
        << c.fullName();
    EXPECT_LE(r.left() - design.left(), 4) << c.fullName();
    EXPECT_GE(r.left(), design.left()) << c.fullName();
  }
}

// No control covers a frame's border, which runs through the middle of its caption.
TEST_F(LayoutTest, GroupFramesAreDrawnWhole) {
  for (const Control& c : form.all()) {
    if (!shown(c) || !c.container()) continue;
    const auto* frame = dynamic_cast<const FrameBox*>(binding.widgetOf(*c.container()));
    ASSERT_NE(frame, nullptr);
    const QRect r = binding.widgetOf(c)->geometry();
    EXPECT_GT(r.top(), frame->borderTop()) << c.fullName();
    // The narrow "Orbits" cuts its fields on purpose.
    if (c.container() != &form.Frame6)
      EXPECT_TRUE(frame->rect().adjusted(1, 1, -1, -1).contains(r)) << c.fullName();
  }
}

TEST_F(LayoutTest, TheSelectedOptionStandsOut) {
  const QImage on = binding.widgetOf(form.OpCollide(2))->grab().toImage();  // "Ignor"
  const QImage off = binding.widgetOf(form.OpCollide(0))->grab().toImage();
  int most = 0;
  for (int y = 0; y < on.height(); ++y)
    for (int x = 0; x < on.height(); ++x)
      most = std::max(most, std::abs(qGray(on.pixel(x, y)) - qGray(off.pixel(x, y))));
  EXPECT_GE(most, 100);
}

// The layout follows the window: at each size, in each state, all is well.
class LayoutAtSize : public LayoutTest, public ::testing::WithParamInterface<QSize> {
 protected:
  LayoutAtSize() { setSize(GetParam()); }
};

TEST_P(LayoutAtSize, AtDesignTime) {
  showOptionalFields();
  expectAllWell(true);
}

TEST_P(LayoutAtSize, RunningWithTheOrbitsFrameWide) {
  applyGo();
  showOptionalFields();
  widenOrbits();
  expectAllWell(false);
}

TEST_P(LayoutAtSize, PausedWithTheInspectorOpen) {
  applyGo();
  showOptionalFields();
  widenOrbits();
  openInspector();
  expectAllWell(false);
}

TEST_P(LayoutAtSize, TheRightColumnKeepsToTheRightEdgeAndOrbitsToTheCorner) {
  const QSize size = GetParam();
  EXPECT_EQ(size.width() - onWindow(*binding.widgetOf(form.Command1)).right(), 1024 - 1021);
  EXPECT_EQ(size.width() - onWindow(*binding.widgetOf(form.Command2)).left(), 1024 - 866);
  const QRect orbits = onWindow(*binding.widgetOf(form.Frame6));
  EXPECT_EQ(size.height() - orbits.top(), 768 - 586);
  const QRect panel = onWindow(*binding.widgetOf(form.Frame8));
  EXPECT_EQ(size.height() - panel.top(), 768 - 700);
  EXPECT_EQ(panel.left(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutAtSize,
                         ::testing::Values(QSize(WindowLayout::kMinWidth, WindowLayout::kMinHeight),
                                           QSize(1024, 600), QSize(800, 768), QSize(1366, 768),
                                           QSize(1920, 1080)),
                         [](const auto& info) {
                           return std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });

TEST_F(LayoutTest, TheLayoutBoxesShowInTheNarrowOrbitsFrame) {
  form.Frame6.setWidth(900);  // the narrow form a second click gives
  QWidget* frame = binding.widgetOf(form.Frame6);
  for (Control* c : {&form.ChSpi, &form.ChGal, &form.Ch2, &form.ChCir, &form.Check1, &form.ChA,
                     &form.Chperf, &form.CHall})
    EXPECT_TRUE(frame->rect().contains(binding.widgetOf(*c)->geometry())) << c->fullName();
  EXPECT_FALSE(frame->rect().contains(binding.widgetOf(form.CDstar)->geometry()));
}

TEST_F(LayoutTest, TheMiddleStaysFreeForTheOrbitsWhileRunning) {
  applyGo();
  showOptionalFields();
  widenOrbits();
  const QPointF centre(kWidth / 2.0, kHeight / 2.0);
  const double radius = 0.45 * kHeight;
  for (const Control& c : form.all()) {
    if (!shown(c) || c.kind() == Kind::Picture) continue;
    const QRect r = onWindow(*binding.widgetOf(c));
    const double dx = std::max({r.left() - centre.x(), 0.0, centre.x() - (r.right() + 1)});
    const double dy = std::max({r.top() - centre.y(), 0.0, centre.y() - (r.bottom() + 1)});
    EXPECT_GT(std::hypot(dx, dy), radius) << c.fullName() << " lies on the orbits";
  }
}

TEST_F(LayoutTest, TheWidestRunTimeTextsFit) {
  for (int i = 0; i <= 6; ++i) expectFits(form.TXTp(i), "-12345.678901234");
  for (Control* c : {&form.LaVmin, &form.LaVnow, &form.LaVmax}) expectFits(*c, "28.2842712474619");
  expectFits(form.LavPer, "99.999999999999   %");
  expectFits(form.Label11, "999999");
  expectFits(form.Lapollo, "999999.1");
  expectFits(form.TXran, "-32000");
  expectFits(form.TXTOden, "999");
  for (const char* caption : {"Planet ON", "Planet OFF"}) {
    form.Chon.setCaption(caption);
    expectFits(form.Chon, caption);
  }
  for (const char* caption : {"Create Stars", "202", "999"}) {
    form.CDstar.setCaption(caption);
    expectFits(form.CDstar, caption);
  }
  expectFits(form.Command5, "Pause");
}

}  // namespace
}  // namespace sw4
