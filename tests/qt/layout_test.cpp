// The window's layout at 1024 x 768: nothing visible overlaps, everything lies inside the client
// area, every caption and design text fits its widget, and the middle stays free for the orbits.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "model/fs4.h"
#include "qt/control_binding.h"
#include "qt_app.h"

namespace sw4 {
namespace {

constexpr int kWidth = 1024, kHeight = 768;

class LayoutTest : public ::testing::Test {
 protected:
  LayoutTest() { window.resize(kWidth, kHeight); }

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

  // The width a text needs in a control of this kind, frame and indicator included.
  int neededWidth(const Control& c, const QString& text) {
    QWidget* w = binding.widgetOf(c);
    const QFontMetrics fm(w->font());
    const int t = fm.horizontalAdvance(text);
    const QStyle* s = w->style();
    switch (c.kind()) {
      case Kind::TextBox:
        return t + 8;  // frame and inner margins
      case Kind::CheckBox:
        return s->pixelMetric(QStyle::PM_IndicatorWidth) +
               s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + t;
      case Kind::OptionButton:
        return s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
               s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + t;
      case Kind::CommandButton:
        return t + 2 * s->pixelMetric(QStyle::PM_ButtonMargin);
      case Kind::Frame:
        return text.isEmpty() ? 0 : t + 12;
      default:
        return t;
    }
  }

  void expectFits(const Control& c, const QString& text) {
    QWidget* w = binding.widgetOf(c);
    EXPECT_LE(neededWidth(c, text), w->width())
        << c.fullName() << " cuts \"" << text.toStdString() << "\"";
    if (c.kind() == Kind::Label || c.kind() == Kind::TextBox || c.kind() == Kind::CheckBox ||
        c.kind() == Kind::OptionButton || c.kind() == Kind::CommandButton) {
      EXPECT_LE(QFontMetrics(w->font()).height(), w->height()) << c.fullName() << " too low";
    }
  }

  void expectTextsFit() {
    for (const Control& c : form.all())
      if (shown(c)) expectFits(c, QString::fromStdString(c.text()));
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
  expectNoOverlaps();
  expectInside(true);
  expectTextsFit();
}

TEST_F(LayoutTest, WithTheOrbitsFrameWide) {
  showOptionalFields();
  widenOrbits();
  expectNoOverlaps();
  expectInside(false);
  expectTextsFit();
}

TEST_F(LayoutTest, AfterGo) {
  applyGo();
  showOptionalFields();
  widenOrbits();
  expectNoOverlaps();
  expectInside(false);
  expectTextsFit();
}

TEST_F(LayoutTest, PausedWithTheInspectorOpen) {
  applyGo();
  showOptionalFields();
  widenOrbits();
  openInspector();
  expectNoOverlaps();
  expectInside(false);
  expectTextsFit();
}

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
  expectFits(form.CDstar, "999");
  expectFits(form.Lapollo, "999999.1");
  expectFits(form.TXran, "-32000");
  expectFits(form.TXTOden, "999");
}

}  // namespace
}  // namespace sw4
