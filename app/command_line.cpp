#include "command_line.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "platform/regular_file.h"

namespace sw4 {

namespace {
const QCommandLineOption kHelp({"h", "help"}, "Displays this help and exits.");
const QCommandLineOption kVersion({"v", "version"}, "Displays the version and exits.");
const QCommandLineOption kRecord("record",
                                 "Records the session from start-up as an sw4-script file.",
                                 "FILE");
const QCommandLineOption kSetup("setup",
                                "Opens a setup of fields and options (an sw4-script file of text "
                                "and click lines) at start-up.",
                                "FILE");
const QCommandLineOption kStats("stats",
                                "Writes the ticks so far to standard error once a second.");

// The arguments parsed as sw4 reads them, before QApplication takes its own.
void parseEarly(QCommandLineParser& parser, int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  addOptions(parser);
  parser.parse(arguments);
}

}  // namespace

void addOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription("SW4: a real-time two-dimensional gravity simulator.");
  // Qt's own options are single-dash words (-reverse, -stylesheet): never bundles of -v and -h.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption(kHelp);
  parser.addOption(kVersion);
  parser.addOption(kRecord);
  parser.addOption(kSetup);
  parser.addOption(kStats);
}

QString recordFile(const QCommandLineParser& parser) {
  return parser.value(kRecord);
}

bool wantsStats(const QCommandLineParser& parser) {
  return parser.isSet(kStats);
}

std::optional<int> answerWithoutWindow(int& argc, char** argv) {
  QCommandLineParser parser;
  parseEarly(parser, argc, argv);
  if (parser.isSet(kVersion)) {
    std::printf("sw4 %s\n", SW4_VERSION);
    return 0;
  }
  if (parser.isSet(kHelp)) {
    // The usage line names the program as it was started: that needs an application object.
    const QCoreApplication app(argc, argv);
    std::printf("%s", qPrintable(parser.helpText()));
    return 0;
  }
  return std::nullopt;
}

std::optional<int> readSetupOption(int argc, char** argv, std::vector<SetupStep>& steps) {
  QCommandLineParser parser;
  parseEarly(parser, argc, argv);
  if (!parser.isSet(kSetup)) return std::nullopt;
  const QString file = parser.value(kSetup);
  const Fs4 form;  // the controls a setup may name, as at start-up
  SetupReading r = readSetupFile(QFile::encodeName(file).toStdString(), form);
  if (r.error) {
    std::fprintf(stderr, "%s\n", describe(*r.error, file.toStdString()).c_str());
    return 2;
  }
  steps = std::move(r.steps);
  return std::nullopt;
}

std::optional<int> checkRecordOption(int argc, char** argv) {
  QCommandLineParser parser;
  parseEarly(parser, argc, argv);
  if (!parser.isSet(kRecord)) return std::nullopt;
  const QString file = parser.value(kRecord);
  const std::string why = whyNotWritable(QFile::encodeName(file).toStdString());
  if (why.empty()) return std::nullopt;
  std::fprintf(stderr, "sw4: --record %s: %s\n", qPrintable(file), why.c_str());
  return 2;
}

}  // namespace sw4
