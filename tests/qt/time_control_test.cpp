// The model's time in the window: hold and step, going back and playing the past again, and what
// the window keeps of it (a saved session, a recording) replaying headless to its state.
#include "qt/time_control.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "model/fs4.h"
#include "program/program.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt/session_recording.h"
#include "qt_app.h"
#include "recording/world_hash.h"
#include "script/script_engine.h"

namespace sw4 {
namespace {

class TimeControlTest : public ::testing::Test {
 protected:
  TimeControlTest() {
    window.resize(800, 600);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  // Runs a script headless; the replayed world's hash, 0 when the script failed.
  static std::uint64_t replay(const std::string& script) {
    Program replayed;
    std::ostringstream out;
    ScriptEngine engine(replayed, out);
    std::istringstream in(script);
    const auto failure = engine.run(in);
    EXPECT_FALSE(failure) << failure->message << "\n" << script.substr(0, 2000);
    return failure ? 0 : worldHash(replayed);
  }
  void steps(int n) {
    for (int i = 0; i < n; ++i) time.step();
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
  HostHooks hooks{sim, window};
  TimeControl& time = window.time();
};

TEST_F(TimeControlTest, HeldTimeChangesNothingAndAStepIsOneTick) {
  sim.form.Command2.userClick();  // "Go"
  time.setHeld(true);
  const std::string before = time.session();
  QTest::qWait(120);
  EXPECT_EQ(time.session(), before);
  const std::int64_t at = time.position();
  time.step();
  EXPECT_EQ(time.position(), at + 1);
}

TEST_F(TimeControlTest, ThePastPlaysTheUsersInputAgainAndANewInputBranches) {
  sim.form.Command2.userClick();
  time.setHeld(true);
  steps(5);
  sim.form.TxTconstant.setText("700");
  sim.form.TxTconstant.raise(Event::LostFocus);
  steps(5);
  const std::int64_t end = time.position();
  const std::uint64_t atEnd = worldHash(sim);

  ASSERT_TRUE(time.goTo(end - 7));
  EXPECT_TRUE(time.inPast());
  EXPECT_EQ(time.end(), end);
  EXPECT_EQ(sim.form.TxTconstant.text(), "667.3");
  steps(7);
  EXPECT_FALSE(time.inPast());
  EXPECT_EQ(sim.form.TxTconstant.text(), "700");
  EXPECT_EQ(worldHash(sim), atEnd);

  ASSERT_TRUE(time.goTo(end - 7));
  sim.form.TxTconstant.setText("800");
  EXPECT_FALSE(time.inPast());
  EXPECT_EQ(time.end(), end - 7);
}

// What reached the model is what a recording and a saved session hold: a rewind in a recording
// is its own line, the replay that got there is not.
TEST_F(TimeControlTest, ASessionAndARecordingReplayThroughSpeedHoldStepAndRewinds) {
  QTemporaryDir dir;
  const QString path = dir.filePath("recorded.sw4");
  SessionRecording recording(sim, window);
  ASSERT_TRUE(recording.start(path));
  time.setSpeed(TimeControl::kSpeeds - 2);  // x16
  sim.form.Command2.userClick();
  QTest::qWait(150);
  time.setHeld(true);
  steps(3);
  ASSERT_GT(time.position(), 10);
  ASSERT_TRUE(time.goTo(time.position() / 2));
  steps(2);
  ASSERT_TRUE(time.goTo(time.position() - 3));
  time.setSpeed(TimeControl::kSpeeds - 1);  // as fast as it goes
  time.setHeld(false);
  QTest::qWait(100);
  time.setHeld(true);
  sim.form.TxTconstant.setText("700");
  sim.form.TxTconstant.raise(Event::LostFocus);
  steps(2);
  const std::uint64_t hash = worldHash(sim);

  EXPECT_EQ(replay(time.session()), hash);
  recording.toggle();
  std::ifstream in(path.toStdString());
  std::stringstream recorded;
  recorded << in.rdbuf();
  EXPECT_NE(recorded.str().find("\nrewind "), std::string::npos);
  EXPECT_EQ(replay(recorded.str()), hash);
}

}  // namespace
}  // namespace sw4
