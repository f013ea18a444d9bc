// The keyboard: Tab in screen order past what cannot be seen, Enter and Space on the focused
// control, the shortcuts (each a control's own click, only while it shows and is enabled), the
// help, full screen; and what a field shows of its own text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <map>
#include <set>

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

// The contrast ratio of two colours as WCAG 2 defines it: 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double s) {
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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

// Keyboard only: Tab reaches every control that shows, Space ticks each box, the arrows go round
// each group of options and choose "Merge" and "Wrap"; again for what a ticked box showed, and
// once more with the "Orbits" frame opened by its click.
TEST_F(KeyboardTest, TheWholeFormByKeyboardOnly) {
  const std::map<std::string, Control*> choice = {{"OpCollide", &sim.form.OpCollide(0)},
                                                  {"Och", &sim.form.Och(2)}};
  std::set<const Control*> reached;
  const auto focused = [this] { return window.controls().controlOf(QApplication::focusWidget()); };
  const auto walkGroup = [&](const Control& target) {
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up})
      for (int k = 0; k < 4; ++k) {
        press(key);
        reached.insert(focused());
      }
    const QWidget* t = widget(target);
    for (int k = 0; k < 8 && focused() != &target; ++k) {
      const QWidget* f = QApplication::focusWidget();
      press(t->y() < f->y()   ? Qt::Key_Up
            : t->y() > f->y() ? Qt::Key_Down
            : t->x() < f->x() ? Qt::Key_Left
                              : Qt::Key_Right);
    }
  };
  const auto walk = [&] {
    widget(sim.form.TxTconstant)->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 300; ++i) {
      const Control* c = focused();
      ASSERT_NE(c, nullptr);
      if (i > 0 && c == &sim.form.TxTconstant) return;
      reached.insert(c);
      for (int k = 0; k < 3 && c->kind() == Kind::CheckBox && c->value() != 1; ++k)
        press(Qt::Key_Space);
      if (c->kind() == Kind::OptionButton) walkGroup(*choice.at(c->name()));
      press(Qt::Key_Tab);
    }
    ADD_FAILURE() << "Tab never came back to the first control";
  };
  walk();
  walk();                                       // what a ticked box showed
  EXPECT_EQ(sim.form.OpCollide(0).value(), 1);  // "Merge"
  EXPECT_EQ(sim.form.Och(2).value(), 1);        // "Wrap"
  window.controls().userEvent(sim.form.Frame6, Event::Click);
  walk();
  for (const Control& c : sim.form.all()) {
    const QWidget* w = widget(c);
    if (!w || !w->isVisibleTo(&window) || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
      continue;
    EXPECT_TRUE(reached.count(&c)) << c.fullName() << " not reached";
    if (c.kind() == Kind::CheckBox) EXPECT_EQ(c.value(), 1) << c.fullName();
  }
}

// Run at several scales: each kind of control that takes the focus shows it with at least a
// line's worth of pixels that stand out 3:1 from what was there before.
TEST_F(KeyboardTest, EveryFocusShowsAMarkOfThreeToOne) {
  EXPECT_NEAR(contrast(Qt::white, Qt::black), 21, 1e-9);
  EXPECT_NEAR(contrast(QColor(29, 39, 60), QColor(24, 24, 30)), 1.18, 0.01);  // Fusion's
  Fs4& f = sim.form;
  f.Qui.setVisible(true);
  const double dpr = window.devicePixelRatioF();
  for (Control* c : {&f.TXn, &f.Command4, &f.CHgod, &f.OpCollide(2), &f.Och(7), &f.Qui}) {
    QWidget* w = widget(*c);
    const QRect around = w->geometry().adjusted(-2, -2, 2, 2);
    QWidget* parent = w->parentWidget();
    widget(f.TXt)->setFocus(Qt::TabFocusReason);
    const QImage before = parent->grab(around).toImage();
    w->setFocus(Qt::ShortcutFocusReason);  // by the keyboard, as Tab outside a group does
    const QImage after = parent->grab(around).toImage();
    ASSERT_EQ(before.size(), after.size());
    int marked = 0;
    for (int y = 0; y < after.height(); ++y)
      for (int x = 0; x < after.width(); ++x)
        marked += contrast(after.pixelColor(x, y), before.pixelColor(x, y)) >= 3;
    EXPECT_GE(marked, 50 * dpr) << c->fullName();
  }
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
  EXPECT_TRUE(window.rect().contains(window.help().geometry()));
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
