// The keyboard: Tab in screen order past what cannot be seen, Enter and Space on the focused
// control, the shortcuts (each a control's own click, only while it shows and is enabled), the
// help, full screen; and what a field shows of its own text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "model/fs4.h"
#include "model/theme.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/field_edit.h"
#include "qt/help_overlay.h"
#include "qt/main_window.h"
#include "qt_app.h"

namespace sw4 {
namespace {

class KeyboardTest : public ::testing::Test {
 protected:
  KeyboardTest() {
    window.resize(1024, 768);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QWidget* widget(const Control& c) { return window.controls().widgetOf(c); }
  int* count(Control& c, Event e) {
    auto n = std::make_shared<int>(0);
    counters.push_back(n);
    c.on(e, [n] { ++*n; });
    return n.get();
  }
  void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* to = QApplication::focusWidget();
    QTest::keyClick(to ? to : &window, key, mods);
  }
  // The controls Tab visits from `first` until it comes back round.
  std::vector<std::string> tabChain(const Control& first) {
    widget(first)->setFocus(Qt::TabFocusReason);
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) {
      const Control* c = window.controls().controlOf(QApplication::focusWidget());
      if (!c || (i > 0 && c == &first)) break;
      names.push_back(c->fullName());
      QWidget* w = widget(*c);
      EXPECT_TRUE(w->isVisibleTo(&window)) << c->fullName() << " is hidden";
      EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
          << c->fullName() << " is cut off by its frame";
      press(Qt::Key_Tab);
    }
    return names;
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
  std::vector<std::shared_ptr<int>> counters;
};

using Names = std::vector<std::string>;

TEST_F(KeyboardTest, TabFollowsTheScreenPanelByPanel) {
  const Names expected = {
      "TxTconstant", "TXg(2)", "TXg(0)", "TXg(1)", "TXg(3)", "TXg(4)", "TXg(5)",  // Gravity
      "TXn", "TXw(0)", "TXw(1)", "TXw(2)",                                        // Bodies
      "Text1", "Text5", "Text4", "Text2", "TXt",                                  // Planets
      "Chdark", "Text3", "Text6", "TXran", "CHran",  // Dark matter, Seed
      "Command2", "Command1",                        // "Go" and "X"
      "CDp(0)", "CDp(1)", "CDp(2)", "CDp(3)", "CDp(4)", "CDp(5)", "CDp(6)", "CDp(7)",
      "Command4", "CDwww", "CHr",                                 // Clear, www, Auto C
      "CHsol", "CHgod", "ChCol", "CHLun", "ChMoon",               // Options
      "OpCollide(2)", "Och(7)",  // a group of options once, at the selected one
      "ChSpi", "ChGal", "Ch2", "ChCir", "Check1", "ChA", "Chperf", "CHall"};  // narrow Orbits
  EXPECT_EQ(tabChain(sim.form.TxTconstant), expected);
}

TEST_F(KeyboardTest, TabReachesWhatTheWideOrbitsFrameUncovers) {
  sim.form.Frame6.setWidth(3300);
  const Names chain = tabChain(sim.form.ChSpi);
  const Names orbits(chain.begin(), chain.begin() + 14);
  EXPECT_EQ(orbits, (Names{"ChSpi", "CDstar", "ChGal", "TXspibi", "Ch2", "ChCir", "Text9",
                           "Check1", "Text10", "ChA", "Text11", "Chperf", "TXTdec", "CHall"}));
}

TEST_F(KeyboardTest, PausedTheInspectorRowComesFirst) {
  sim.form.Command2.userClick();  // "Go"
  sim.form.Command5.userClick();  // "Pause"
  const Names chain = tabChain(sim.form.Command5);
  const Names row(chain.begin(), chain.begin() + 10);
  EXPECT_EQ(row, (Names{"Command5", "TXTOden", "TxTyp", "TXTp(0)", "TXTp(1)", "TXTp(2)",
                        "TXTp(3)", "TXTp(4)", "Opadd(0)", "Chon"}));
}

TEST_F(KeyboardTest, EnterAndSpacePressTheFocusedButtonAndTickTheBox) {
  int* clears = count(sim.form.Command4, Event::Click);
  widget(sim.form.Command4)->setFocus();
  press(Qt::Key_Return);
  press(Qt::Key_Space);
  EXPECT_EQ(*clears, 2);
  widget(sim.form.CHgod)->setFocus();
  press(Qt::Key_Enter);
  EXPECT_EQ(sim.form.CHgod.value(), 1);
  press(Qt::Key_Space);
  EXPECT_EQ(sim.form.CHgod.value(), 0);
}

TEST_F(KeyboardTest, EnterInAFieldTakesItAsLeavingItDoes) {
  int* left = count(sim.form.TXran, Event::LostFocus);
  widget(sim.form.TXran)->setFocus();
  press(Qt::Key_Return);
  EXPECT_EQ(*left, 1);
  EXPECT_EQ(QApplication::focusWidget(), widget(sim.form.TXran));
}

TEST_F(KeyboardTest, EachShortcutClicksItsControlOnlyWhileItShowsAndIsEnabled) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    Control& control;
  };
  Fs4& f = sim.form;
  const Case cases[] = {{Qt::Key_Return, Qt::ControlModifier, f.Command2},
                        {Qt::Key_Pause, Qt::NoModifier, f.Command5},
                        {Qt::Key_P, Qt::ControlModifier, f.Command5},
                        {Qt::Key_L, Qt::ControlModifier, f.Command4},
                        {Qt::Key_Q, Qt::ControlModifier, f.Command1}};
  for (const Case& k : cases) {
    int* clicks = count(k.control, Event::Click);
    k.control.setVisible(true);
    press(k.key, k.mods);
    EXPECT_EQ(*clicks, 1) << k.control.fullName();
    k.control.setEnabled(false);
    press(k.key, k.mods);
    k.control.setEnabled(true);
    k.control.setVisible(false);
    press(k.key, k.mods);
    EXPECT_EQ(*clicks, 1) << k.control.fullName();
  }
}

TEST_F(KeyboardTest, F11TogglesFullScreen) {
  press(Qt::Key_F11);
  EXPECT_TRUE(window.isFullScreen());
  press(Qt::Key_F11);
  EXPECT_FALSE(window.isFullScreen());
}

TEST_F(KeyboardTest, F1ShowsTheKeysAndColoursUntilEscapeOrF1) {
  press(Qt::Key_F1);
  ASSERT_TRUE(window.help().isVisible());
  const QString text = window.help().findChild<QLabel*>()->text();
  for (const auto& e : window.shortcuts().entries()) EXPECT_TRUE(text.contains(e.keys));
  for (const char* meaning : {"sun", "giant", "waterworld", "sparks", "bond", "dark matter",
                              "halo"})
    EXPECT_TRUE(text.contains(meaning)) << meaning;
  press(Qt::Key_Escape);
  EXPECT_FALSE(window.help().isVisible());
  press(Qt::Key_F1);
  press(Qt::Key_F1);
  EXPECT_FALSE(window.help().isVisible());
}

TEST_F(KeyboardTest, AFieldThatHoldsNoNumberIsOutlinedInRed) {
  auto* field = dynamic_cast<FieldEdit*>(widget(sim.form.TxTconstant));
  ASSERT_NE(field, nullptr);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "6x");
  EXPECT_TRUE(field->refused());
  EXPECT_EQ(field->grab().toImage().pixelColor(1, field->height() / 2), QColor(230, 40, 40));
  EXPECT_EQ(sim.form.TxTconstant.backColor(), theme::kFieldBack);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_FALSE(field->refused());
}

TEST_F(KeyboardTest, GoStoppedByAFieldGivesItTheFocus) {
  sim.form.TxTconstant.setText("heavy");
  QTest::mouseClick(widget(sim.form.Command2), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), widget(sim.form.TxTconstant));
}

}  // namespace
}  // namespace sw4
