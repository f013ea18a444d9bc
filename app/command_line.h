#pragma once
#include <QCommandLineParser>
#include <optional>

namespace sw4 {

// The options sw4 takes. Every option is added here.
void addOptions(QCommandLineParser& parser);

// Answers --help and --version before any window is made, so that they need no display: prints
// the answer and returns the exit status, or nothing when the program is to start. Options it
// does not know (Qt's own among them) are left for the parse after QApplication.
std::optional<int> answerWithoutWindow(int& argc, char** argv);

// The file --record names; empty without it.
QString recordFile(const QCommandLineParser& parser);

}  // namespace sw4
