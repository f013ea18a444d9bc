#pragma once
#include <QCommandLineParser>
#include <optional>
#include <vector>

#include "setup/setup.h"

namespace sw4 {

// The options sw4 takes. Every option is added here.
void addOptions(QCommandLineParser& parser);

// Answers --help and --version before any window is made, so that they need no display: prints
// the answer and returns the exit status, or nothing when the program is to start. Options it
// does not know (Qt's own among them) are left for the parse after QApplication.
std::optional<int> answerWithoutWindow(int& argc, char** argv);

// Reads the setup --setup names against the form, before any window: on an error prints
// "FILE, line N: ..." and returns the exit status 2; otherwise nothing, the steps (none without
// the option) in `steps`.
std::optional<int> readSetupOption(int argc, char** argv, std::vector<SetupStep>& steps);

// Refuses the file --record names when it is not a regular file or a new one (a FIFO would
// hang the start-up), before any window: prints "sw4: --record FILE: why" and returns the exit
// status 2; otherwise nothing.
std::optional<int> checkRecordOption(int argc, char** argv);

// The file --record names; empty without it.
QString recordFile(const QCommandLineParser& parser);

// --stats: the tick rate is written to standard error (for bench/window_load.sh).
bool wantsStats(const QCommandLineParser& parser);

}  // namespace sw4
