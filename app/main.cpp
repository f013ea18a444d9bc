// SW4: the window. Builds the simulation, binds it to Qt and runs the event loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QDirIterator>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "command_line.h"
#include "program/program.h"
#include "qt/clip_export.h"
#include "qt/display_check.h"
#include "qt/end_signals.h"
#include "qt/host_hooks.h"
#include "qt/keep_actions.h"
#include "qt/main_window.h"
#include "qt/outside_destroy.h"
#include "qt/qt_theme.h"
#include "qt/session_recording.h"
#include "qt/status_file.h"
#include "qt/tick_stats.h"
#include "qt/time_actions.h"
#include "qt/view_actions.h"

int main(int argc, char** argv) {
  if (const auto status = sw4::answerWithoutWindow(argc, argv)) return *status;
  std::vector<sw4::SetupStep> setup;
  if (const auto status = sw4::readSetupOption(argc, argv, setup)) return *status;
  if (const auto status = sw4::checkRecordOption(argc, argv)) return *status;
  // Without a display Qt would abort with a long message; say it in one line instead.
  if (!sw4::displayAvailable([](const char* name) { return std::getenv(name); })) {
    std::fprintf(stderr, "%s\n", sw4::kNoDisplayMessage);
    return 1;
  }
  // A tick changes a few small rectangles. Put through shared memory, every flush waits for a
  // round trip to the X server, which costs more than sending the pixels does. The connection
  // reads the setting as it opens; programs started from here (a browser) do not inherit it.
  const bool shmChosenByUser = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
  if (!shmChosenByUser) qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  if (!shmChosenByUser) qunsetenv("QT_XCB_NO_MITSHM");
  QCommandLineParser parser;
  sw4::addOptions(parser);
  parser.process(app);
  QIcon icon;
  for (QDirIterator it(":/icons", QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
    icon.addFile(it.next());
  QApplication::setWindowIcon(icon);
  QApplication::setDesktopFileName(SW4_APP_ID);
  QApplication::setOrganizationName(QStringLiteral("sw4"));  // the settings: ~/.config/sw4/
  sw4::applyTheme(app);
  sw4::Program sim;
  sw4::MainWindow window(sim);
  const sw4::HostHooks hooks(sim, window);
  const sw4::OutsideDestroy outsideDestroy(window);
  const sw4::StatusFile status(sim, window);
  sw4::SessionRecording recording(sim, window);
  sw4::KeepActions keep(sim, window);
  const sw4::TimeActions time(window);
  const sw4::ClipExport clips(sim, window);
  const sw4::ViewActions view(sim, window);
  // Ctrl+C, a kill or a closed terminal: as if the window were closed, a recording finished.
  const sw4::EndSignals endSignals([&window] {
    window.close();
    QCoreApplication::quit();
  });
  recording.setDiscardQuestion([&keep] { return keep.discardQuestion().confirm(); });
  // From the start-up state: before the window shows and its timers run.
  if (const QString file = sw4::recordFile(parser); !file.isEmpty()) recording.start(file);
  const auto stats = sw4::wantsStats(parser) ? std::make_unique<sw4::TickStats>(sim) : nullptr;
  window.open();
  // On the drawing area's size, as "Open setup..." would; a recording keeps its steps.
  if (!setup.empty()) sw4::applySetup(sim, std::move(setup));
  return app.exec();
}
