// The binding between the form's model controls and their widgets, both ways.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "event_count.h"
#include "model/fs4.h"
#include "qt/caption_label.h"
#include "qt/control_binding.h"
#include "qt_app.h"

namespace sw4 {
namespace {

class BindingTest : public ::testing::Test {
 protected:
  BindingTest() { window.resize(1024, 768); }

  template <class W>
  W* widget(const Control& c) {
    W* w = qobject_cast<W*>(binding.widgetOf(c));
    EXPECT_NE(w, nullptr) << c.fullName();
    return w;
  }
  // Counts the events e of control c.
  int* count(Control& c, Event e) {
    auto n = std::make_shared<int>(0);
    counters.push_back(n);
    c.on(e, [n] { ++*n; });
    return n.get();
  }
  void showActive() {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  testing::QtAppReady ready;
  Fs4 form;
  QWidget window;
  ControlBinding binding{form, window, {}};
  std::vector<std::shared_ptr<int>> counters;
};

TEST_F(BindingTest, EveryControlButTimersHasAWidget) {
  for (const Control& c : form.all()) {
    if (c.kind() == Kind::Timer) {
      EXPECT_EQ(binding.widgetOf(c), nullptr) << c.fullName();
    } else {
      EXPECT_NE(binding.widgetOf(c), nullptr) << c.fullName();
    }
  }
}

TEST_F(BindingTest, ChildrenOfAFrameSitInsideIt) {
  EXPECT_EQ(binding.widgetOf(form.Och(3))->parentWidget(),
            binding.widgetOf(form.get("FrameBorder")));
  EXPECT_EQ(binding.widgetOf(form.Opadd(1))->parentWidget(), binding.widgetOf(form.Frame2));
  EXPECT_EQ(binding.widgetOf(form.Command2)->parentWidget(), &window);
}

TEST_F(BindingTest, MarkerLiesOverTheSunAndUnderTheControls) {
  const QObjectList& order = window.children();  // bottom first
  const auto at = [&](const Control& c) { return order.indexOf(binding.widgetOf(c)); };
  EXPECT_LT(at(form.ImSun), at(form.Shark));
  EXPECT_LT(at(form.ImMoon), at(form.Shark));
  EXPECT_LT(at(form.Shark), at(form.Command2));
  EXPECT_LT(at(form.Shark), at(form.Frame6));
}

TEST_F(BindingTest, ModelTextReachesTheFieldWithoutASecondChange) {
  int* changes = count(form.TXn, Event::Change);
  form.TXn.setText("77");
  EXPECT_EQ(widget<QLineEdit>(form.TXn)->text(), "77");
  EXPECT_EQ(*changes, 1);
}

TEST_F(BindingTest, TypingRaisesChangeOncePerKeyAndUpdatesTheModel) {
  showActive();
  int* changes = count(form.TXn, Event::Change);
  QLineEdit* e = widget<QLineEdit>(form.TXn);
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, "-5");
  EXPECT_EQ(form.TXn.text(), "-5");
  EXPECT_EQ(*changes, 2);
}

TEST_F(BindingTest, AHandlerCorrectingTheTextShowsInTheField) {
  showActive();
  form.TXn.on(Event::Change, [this] {
    if (form.TXn.lenient() > 144) form.TXn.setText("144");
  });
  QLineEdit* e = widget<QLineEdit>(form.TXn);
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, "999");
  EXPECT_EQ(form.TXn.text(), "144");
  EXPECT_EQ(e->text(), "144");
}

TEST_F(BindingTest, LeavingAFieldRaisesLostFocusOnce) {
  showActive();
  int* lost = count(form.TXref, Event::LostFocus);
  int* other = count(form.TXt, Event::LostFocus);
  form.TXref.setVisible(true);
  widget<QLineEdit>(form.TXref)->setFocus();
  ASSERT_TRUE(widget<QLineEdit>(form.TXref)->hasFocus());
  widget<QLineEdit>(form.TXt)->setFocus();
  EXPECT_EQ(*lost, 1);
  EXPECT_EQ(*other, 0);
}

TEST_F(BindingTest, CheckBoxShowsAllThreeModelValues) {
  int* clicks = count(form.CHr, Event::Click);
  QCheckBox* b = widget<QCheckBox>(form.CHr);
  form.CHr.setValue(1);
  EXPECT_EQ(b->checkState(), Qt::Checked);
  form.CHr.setValue(2);
  EXPECT_EQ(b->checkState(), Qt::PartiallyChecked);
  form.CHr.setValue(0);
  EXPECT_EQ(b->checkState(), Qt::Unchecked);
  EXPECT_EQ(*clicks, 3);  // the model's own clicks, none echoed back by the widget
}

TEST_F(BindingTest, UserClickOnAGreyedCheckBoxClearsIt) {
  showActive();
  form.ChMoon.setValue(2);
  int* clicks = count(form.ChMoon, Event::Click);
  QCheckBox* b = widget<QCheckBox>(form.ChMoon);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(7, b->height() / 2));
  EXPECT_EQ(form.ChMoon.value(), 0);
  EXPECT_EQ(b->checkState(), Qt::Unchecked);  // not Qt's own next state (checked)
  EXPECT_EQ(*clicks, 1);
}

TEST_F(BindingTest, OptionGroupFollowsTheModel) {
  showActive();
  QRadioButton* slomo = widget<QRadioButton>(form.Och(0));
  QRadioButton* die = widget<QRadioButton>(form.Och(7));
  ASSERT_TRUE(die->isChecked());
  int* clicks = count(form.Och(0), Event::Click);
  QTest::mouseClick(slomo, Qt::LeftButton, {}, QPoint(7, slomo->height() / 2));
  EXPECT_TRUE(form.Och(0).selected());
  EXPECT_FALSE(form.Och(7).selected());
  EXPECT_TRUE(slomo->isChecked());
  EXPECT_FALSE(die->isChecked());
  // Clicking the selected option again keeps it selected and raises its click again.
  QTest::mouseClick(slomo, Qt::LeftButton, {}, QPoint(7, slomo->height() / 2));
  EXPECT_TRUE(slomo->isChecked());
  EXPECT_EQ(*clicks, 2);
}

TEST_F(BindingTest, ModelCanLeaveAGroupWithNothingSelected) {
  form.Opadd(0).setValue(1);
  form.Opadd(0).setValue(0);
  EXPECT_FALSE(widget<QRadioButton>(form.Opadd(0))->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(form.Opadd(1))->isChecked());
}

TEST_F(BindingTest, ButtonClickRaisesClickOnce) {
  showActive();
  int* clicks = count(form.Command4, Event::Click);
  QTest::mouseClick(widget<QPushButton>(form.Command4), Qt::LeftButton);
  EXPECT_EQ(*clicks, 1);
}

TEST_F(BindingTest, ScrollBarBothWaysWithoutEcho) {
  int* changes = count(form.Qui, Event::Change);
  QScrollBar* s = widget<QScrollBar>(form.Qui);
  form.Qui.setMax(144);
  form.Qui.setValue(7);
  EXPECT_EQ(s->value(), 7);
  EXPECT_EQ(s->maximum(), 144);
  EXPECT_EQ(*changes, 1);
  s->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form.Qui.value(), 8);
  EXPECT_EQ(*changes, 2);
  s->setValue(3);  // a change from code is not a user's action
  EXPECT_EQ(form.Qui.value(), 8);
}

TEST_F(BindingTest, ScrollBarShowsWhatTheHandlerDecided) {
  form.Hsp(0).on(Event::Change, [this] { form.Hsp(0).setValue(100); });
  QScrollBar* s = widget<QScrollBar>(form.Hsp(0));
  s->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(form.Hsp(0).value(), 100);
  EXPECT_EQ(s->value(), 100);
}

TEST_F(BindingTest, VisibleEnabledLockedAndGeometryAreMirrored) {
  QLineEdit* e = widget<QLineEdit>(form.TXTp(2));
  form.TXTp(2).setVisible(true);
  EXPECT_TRUE(e->isVisibleTo(&window));
  form.TXTp(2).setEnabled(false);
  EXPECT_FALSE(e->isEnabled());
  form.TXTp(2).setLocked(true);
  EXPECT_TRUE(e->isReadOnly());
  form.Command5.move(30, 150, 930, 360);
  EXPECT_EQ(binding.widgetOf(form.Command5)->geometry(), QRect(2, 10, 62, 24));
  form.Shark.move(-20, -1, 225, 225);  // a marker half off the window rounds down
  EXPECT_EQ(binding.widgetOf(form.Shark)->pos(), QPoint(-2, -1));
}

TEST_F(BindingTest, ColoursAreMirrored) {
  form.TXTp(5).setForeColor(rgb(128, 191, 255));
  EXPECT_EQ(widget<QLineEdit>(form.TXTp(5))->palette().color(QPalette::Active, QPalette::Text),
            QColor(128, 191, 255));
  form.Label8.setBackColor(rgb(1, 2, 3));
  EXPECT_EQ(widget<CaptionLabel>(form.Label8)->palette().color(QPalette::Active, QPalette::Window),
            QColor(1, 2, 3));
}

TEST_F(BindingTest, TooltipsAndCaptionsComeFromTheModel) {
  EXPECT_EQ(binding.widgetOf(form.CDwww)->toolTip(), "^ Go to the website ^");
  EXPECT_EQ(widget<QPushButton>(form.CDwww)->text(), "www");
  EXPECT_EQ(widget<QGroupBox>(form.Frame6)->title(), "Orbits");
  form.CDstar.setCaption("17");
  EXPECT_EQ(widget<QPushButton>(form.CDstar)->text(), "17");
}

// The tick count changes every tick: its label repaints itself and asks the window for nothing.
TEST_F(BindingTest, ALabelsNewCaptionAsksNoLayout) {
  form.Label11.setVisible(true);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  const testing::EventCount requests(window, QEvent::LayoutRequest);
  form.Label11.setCaption("4321");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(widget<CaptionLabel>(form.Label11)->text(), "4321");
  EXPECT_EQ(requests.n, 0);
}

TEST_F(BindingTest, ACaptionIsShownAndHiddenWithItsField) {
  QWidget* cap = binding.widgetOf(form.get("CapText8"));
  EXPECT_FALSE(cap->isVisibleTo(&window));
  form.Text8.setVisible(true);
  EXPECT_TRUE(form.get("CapText8").visible());
  EXPECT_TRUE(cap->isVisibleTo(&window));
  form.Text8.setVisible(false);
  EXPECT_FALSE(cap->isVisibleTo(&window));
}

TEST_F(BindingTest, ACaptionOfAnArrayStaysWhileAnyMemberShows) {
  Control& presets = form.get("CapCDp");
  for (int i = 0; i < 7; ++i) form.CDp(i).setVisible(false);
  EXPECT_TRUE(presets.visible());
  form.CDp(7).setVisible(false);
  EXPECT_FALSE(presets.visible());
}

TEST_F(BindingTest, LabelClickAndFrameDoubleClickReachTheModel) {
  showActive();
  int* labelClicks = count(form.La(2), Event::Click);
  int* frameDouble = count(form.Frame7, Event::DblClick);
  QTest::mouseClick(binding.widgetOf(form.La(2)), Qt::LeftButton);
  EXPECT_EQ(*labelClicks, 1);
  QTest::mouseDClick(binding.widgetOf(form.Frame7), Qt::LeftButton);
  EXPECT_EQ(*frameDouble, 1);
}

TEST_F(BindingTest, AClickOnAControlInAFrameIsNotAClickOnTheFrame) {
  showActive();
  int* frameClicks = count(form.Frame6, Event::Click);
  QTest::mouseClick(binding.widgetOf(form.ChSpi), Qt::LeftButton);
  QTest::mouseClick(binding.widgetOf(form.get("CapTXspibi")), Qt::LeftButton);
  QTest::mouseClick(binding.widgetOf(form.Frame6), Qt::LeftButton, {}, QPoint(30, 5));
  EXPECT_EQ(*frameClicks, 1);
}

TEST_F(BindingTest, UnbindingLeavesTheModelUsable) {
  {
    QWidget other;
    ControlBinding second(form, other, {});
  }
  form.TXn.setText("5");  // no observer left pointing at destroyed widgets
  EXPECT_EQ(form.TXn.text(), "5");
}

}  // namespace
}  // namespace sw4
