// Recording the window: input and timers as the window delivered them replay headless to the
// window's own state.
#include "qt/session_recording.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fstream>
#include <sstream>

#include "model/world.h"
#include "program/program.h"
#include "qt/control_binding.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt_app.h"
#include "recording/recording_format.h"
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
  // The text of the warning the window shows; empty when there is none.
  QString warning() {
    const auto boxes = window.findChildren<QMessageBox*>();
    return boxes.isEmpty() ? QString() : boxes.last()->text();
  }
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
  EXPECT_TRUE(script.starts_with(recordingHeader() + "\nsize ")) << script;
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
  EXPECT_TRUE(warning().endsWith(": No such file or directory.")) << warning().toStdString();
  showWindow();
  EXPECT_FALSE(recording.recording());
  EXPECT_EQ(window.windowTitle(), "SW4");
  QTest::mouseClick(&widget(sim.form.Command2), Qt::LeftButton);
  QTest::qWait(60);
  EXPECT_GT(sim.world.TickCount, 0);
}

TEST_F(SessionRecordingTest, AFifoIsRefusedWithoutWaitingForAReader) {
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  // Nobody reads it: an open that waited would hang here.
  EXPECT_FALSE(recording.start(fifo));
  EXPECT_TRUE(warning().contains("it is a FIFO, not a regular file")) << warning().toStdString();
  // With a reader the open succeeds, and the check after it refuses the FIFO.
  const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_FALSE(recording.start(fifo));
  ::close(reader);
  EXPECT_TRUE(warning().contains("it is a FIFO, not a regular file")) << warning().toStdString();
}

TEST_F(SessionRecordingTest, TheWindowShowsThatItRecordsAndTheFileGrowsAsItGoes) {
  ASSERT_TRUE(recording.start(path));
  showWindow();
  EXPECT_EQ(window.windowTitle(), "SW4 - recording session.sw4");
  const QPoint mark = window.recordingMark().center();
  const Surface& s = sim.surface;
  const auto surfaceAtMark = [&] {
    const double r = s.devicePixelRatio();
    return s.data()[static_cast<int>(mark.y() * r) * s.stride() + static_cast<int>(mark.x() * r)];
  };
  const QImage shown = window.grab().toImage();
  const QColor red = shown.pixelColor(shown.devicePixelRatio() * mark);
  EXPECT_GT(red.red(), 200);
  EXPECT_LT(red.green(), 60);
  EXPECT_EQ(surfaceAtMark() & 0xFFFFFF, s.background() & 0xFFFFFF);  // drawn over, not into it

  QTest::mouseClick(&widget(sim.form.Command2), Qt::LeftButton);
  QTest::qWait(2 * SessionRecording::kPulseMs + 100);
  ASSERT_TRUE(recording.recording());
  EXPECT_NE(recorded().find("click Command2\n"), std::string::npos) << recorded();
  EXPECT_NE(recorded().find("fire Ti"), std::string::npos) << recorded();
  recording.toggle();
  EXPECT_EQ(window.windowTitle(), "SW4");
}

TEST_F(SessionRecordingTest, AWriteErrorIsShownWithItsReasonAndTheRunGoesOn) {
  // A file that may not grow past a few lines, as on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 64;  // the header and the first size line
  setrlimit(RLIMIT_FSIZE, &small);
  const bool started = recording.start(path);
  showWindow();
  QTest::mouseClick(&widget(sim.form.Command2), Qt::LeftButton);
  QTest::qWait(2 * SessionRecording::kPulseMs + 100);
  setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_TRUE(started);
  EXPECT_FALSE(recording.recording());
  EXPECT_EQ(window.windowTitle(), "SW4");
  EXPECT_TRUE(warning().contains("stopped: File too large")) << warning().toStdString();
  const int ticks = sim.world.TickCount;
  QTest::qWait(100);
  EXPECT_GT(sim.world.TickCount, ticks);
}

TEST_F(SessionRecordingTest, CtrlRAsksBeforeItDiscardsTheRun) {
  int files = 0;
  recording.setFileQuestion([&] {
    ++files;
    return path;
  });
  for (bool discard : {false, true}) {
    recording.setDiscardQuestion([discard] { return discard; });
    recording.toggle();
    EXPECT_EQ(files, discard ? 1 : 0);
    EXPECT_EQ(recording.recording(), discard);
  }
}

}  // namespace
}  // namespace sw4
