// Recording the window: input and timers as the window delivered them replay headless to the
// window's own state.
#include "qt/session_recording.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "model/world.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt_app.h"
#include "script/script_engine.h"

namespace sw4 {
namespace {

class SessionRecordingTest : public ::testing::Test {
 protected:
  // From the start-up state, as --record does: before the window shows and timers run.
  void showWindow() {
    window.resize(800, 600);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  QWidget& widget(const Control& c) { return *window.controls().widgetOf(c); }
  std::string recorded() {
    std::ifstream in(path.toStdString());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
  HostHooks hooks{sim, window};
  SessionRecording recording{sim, window};
  QTemporaryDir dir;
  QString path = dir.filePath("session.sw4");
};

TEST_F(SessionRecordingTest, InputInsideATickReplaysToTheWindowsState) {
  ASSERT_TRUE(recording.start(path));
  showWindow();
  QTest::mouseClick(&widget(sim.form.Command2), Qt::LeftButton);  // "Go"
  // Input that arrives while a tick is between bodies 3 and 2: the window delivers it in the
  // event processing after body 2.
  bool posted = false;
  const int hook = sim.processEvents.add([&](int body) {
    if (body != 3 || posted) return;
    posted = true;
    QWidget& option = widget(sim.form.Och(3));
    const QPointF at = option.rect().center();
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
      QCoreApplication::postEvent(
          &option, new QMouseEvent(t, at, option.mapToGlobal(at), Qt::LeftButton,
                                   t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                   Qt::NoModifier));
    QCoreApplication::postEvent(&widget(sim.form.TXg(2)),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1"));
  });
  QTest::qWait(300);
  sim.processEvents.remove(hook);
  window.resize(900, 650);
  QTest::qWait(100);
  recording.toggle();  // Ctrl+R stops it
  ASSERT_FALSE(recording.recording());

  const std::string script = recorded();
  EXPECT_TRUE(script.starts_with("size ")) << script;
  EXPECT_NE(script.find("during 2 click Och(3)\nduring 2 text TXg(2) "), std::string::npos)
      << script;
  EXPECT_NE(script.find("size 13500 9750\n"), std::string::npos) << script;
  Program replayed;
  std::ostringstream out;
  ScriptEngine engine(replayed, out);
  std::istringstream in(script);
  const auto failure = engine.run(in);
  EXPECT_FALSE(failure) << failure->message;
}

TEST_F(SessionRecordingTest, CtrlRRecordsANewRunFromTheStartUpStateAndStops) {
  showWindow();
  QTest::mouseClick(&widget(sim.form.Command2), Qt::LeftButton);  // a run before the recording
  QTest::qWait(100);
  recording.setFileQuestion([this] { return path; });
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
  QTest::qWait(50);
  ASSERT_TRUE(recording.recording());
  EXPECT_EQ(sim.world.TotalPlanets, 0);
  QTest::mouseClick(&widget(sim.form.Command2), Qt::LeftButton);
  QTest::qWait(200);
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
  QTest::qWait(50);
  EXPECT_FALSE(recording.recording());

  const std::string script = recorded();
  EXPECT_NE(script.find("click Command2\n"), std::string::npos) << script;
  Program replayed;
  std::ostringstream out;
  ScriptEngine engine(replayed, out);
  std::istringstream in(script);
  const auto failure = engine.run(in);
  EXPECT_FALSE(failure) << failure->message;
}

TEST_F(SessionRecordingTest, AFileThatCannotBeCreatedLeavesTheRunGoingUnrecorded) {
  EXPECT_FALSE(recording.start(dir.filePath("no/such/folder/session.sw4")));
  showWindow();
  EXPECT_FALSE(recording.recording());
  QTest::mouseClick(&widget(sim.form.Command2), Qt::LeftButton);
  QTest::qWait(60);
  EXPECT_GT(sim.world.TickCount, 0);
}

}  // namespace
}  // namespace sw4
