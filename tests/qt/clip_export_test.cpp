// "Export clip...": the session so far, in the view the window shows, rendered by the sw4-script
// beside the program in the background; Cancel removes what it wrote.
#include "qt/clip_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "program/program.h"
#include "qt/host_hooks.h"
#include "qt/main_window.h"
#include "qt/time_control.h"
#include "qt_app.h"
#include "recording/recording_format.h"
#include "script/script_engine.h"
#include "view/world_view.h"

namespace sw4 {
namespace {

class ClipExportTest : public ::testing::Test {
 protected:
  ClipExportTest() {
    window.resize(800, 600);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    clips.warn = [this](const QString&, const QString& text) { warnings << text; };
    clips.tell = [this](const QString& text) { told << text; };
  }
  void run(int ticks) {
    sim.form.Command2.userClick();  // "Go"
    window.time().setHeld(true);
    for (int i = 0; i < ticks; ++i) window.time().step();
  }
  void waitForTheEnd() {
    QElapsedTimer t;
    t.start();
    while (clips.running() && t.elapsed() < 180000) QTest::qWait(20);
    EXPECT_FALSE(clips.running());
  }

  testing::QtAppReady ready;
  Program sim;
  MainWindow window{sim};
  HostHooks hooks{sim, window};
  ClipExport clips{sim, window};
  QTemporaryDir dir;
  QStringList warnings, told;
};

TEST_F(ClipExportTest, TheSessionReplaysInTheViewTheWindowShows) {
  run(12);
  WorldView& view = window.view();
  for (int followed : {-1, 4}) {
    if (followed < 0)
      view.setView(2.5, 3000.25, -700);
    else
      view.follow(followed, 0.5);
    const std::string script = sessionInView(window.time().session(), view);
    EXPECT_EQ(script.rfind(recordingHeader() + "\n", 0), 0u) << "the header stays the first line";
    Program replayed;
    std::ostringstream out;
    ScriptEngine engine(replayed, out);
    std::istringstream in(script);
    const auto failure = engine.run(in);
    ASSERT_FALSE(failure) << failure->message;
    EXPECT_EQ(engine.view().zoom(), view.zoom());
    EXPECT_EQ(engine.view().followed(), followed);
    if (followed < 0) {
      EXPECT_EQ(engine.view().centreX(), 3000.25);
      EXPECT_EQ(engine.view().centreY(), -700);
    }
  }
}

TEST_F(ClipExportTest, TheClipHasAFrameEveryKTicksAndCancelRemovesWhatWasWritten) {
  run(40);
  const bool videos = !QStandardPaths::findExecutable("ffprobe").isEmpty();
  const QString clip = dir.filePath(videos ? "clip.mp4" : "frames/%05d.png");
  ASSERT_TRUE(clips.start({clip, {QSize(321, 241), 3, 25}}));
  waitForTheEnd();
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
  EXPECT_EQ(clips.ticksDone(), 40);
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].contains(" 13 frames")) << told[0].toStdString();
  if (videos) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-count_frames", "-select_streams", "v:0",
                            "-show_entries", "stream=nb_read_frames", "-of", "csv=p=0", clip});
    ASSERT_TRUE(probe.waitForFinished(60000));
    EXPECT_EQ(probe.readAllStandardOutput().trimmed(), "13");
  } else {
    EXPECT_EQ(QDir(dir.filePath("frames")).entryList(QDir::Files).size(), 13);
  }

  // A frame every tick at full size: far from done when the first tick is reported.
  run(300);
  const QString frames = dir.filePath("cancelled/%05d.png");
  ASSERT_TRUE(clips.start({frames, {QSize(1920, 1080), 1, 30}}));
  QElapsedTimer t;
  t.start();
  while (clips.running() && clips.ticksDone() == 0 && t.elapsed() < 60000) QTest::qWait(5);
  ASSERT_TRUE(clips.running());
  clips.cancel();
  EXPECT_FALSE(clips.running());
  EXPECT_FALSE(QDir(dir.filePath("cancelled")).exists());
  EXPECT_EQ(told.size(), 1);
  EXPECT_TRUE(warnings.isEmpty());
}

}  // namespace
}  // namespace sw4
