#include "game/ui/CommandLine.h"
#include <cstdio>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#ifndef QUORLANE_VERSION
#define QUORLANE_VERSION "1.0.1"
#endif

namespace {

// Exit status of a command line the game does not understand, as the shell's
// own tools use it.
constexpr int kUsageError = 2;

const char kUsage[] =
    "Usage: quorlane [--help] [--version]\n"
    "\n"
    "Quorlane is a single-player mine-clearing puzzle. Uncover the areas of a\n"
    "minefield of single squares, shaped cells, linked squares and holes, and\n"
    "mark every mine; every finished game goes into a score table.\n"
    "\n"
    "The game keeps its files in the folder it is started in:\n"
    "  Scores.dat       the score table (read and written)\n"
    "  LastGame.dat     the settings of the last game (read and written)\n"
    "  SavedNames.txt   the remembered player names (read and written)\n"
    "  SavedGame.dat    an unfinished game, kept until it ends (read and written)\n"
    "  Patterns/*.tes   the tessellation patterns (read)\n"
    "\n"
    "The desktop's menu starts it through quorlane-launcher, which plays in\n"
    "$XDG_DATA_HOME/quorlane (by default ~/.local/share/quorlane) with a copy\n"
    "of the installed pattern library, and passes its options on to the game.\n"
    "\n"
    "Options:\n"
    "  -h, --help       show this text and end\n"
    "  -v, --version    show the version and end\n";

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
  std::fflush(stream);
}

int UsageError(const QString& problem) {
  Print(stderr, "quorlane: " + problem + "\n\n" + QString::fromLatin1(kUsage));
  return kUsageError;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << QStringLiteral("quorlane");

  QCommandLineParser parser;
  // Qt's own options are single-dash words (-platform xcb); -h and -v still
  // work, as one-letter words.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{"h", "help"});
  const QCommandLineOption version(QStringList{"v", "version"});
  parser.addOption(help);
  parser.addOption(version);
  // The toolkit's options are left for the application object to take.
  for (const char* name : {"platform", "style", "display", "qwindowgeometry", "qwindowtitle"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  QCommandLineOption reverse(QStringLiteral("reverse"));
  reverse.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(reverse);

  if (!parser.parse(arguments)) return UsageError(parser.errorText());
  if (parser.isSet(help)) {
    Print(stdout, QString::fromLatin1(kUsage));
    return 0;
  }
  if (parser.isSet(version)) {
    Print(stdout, QStringLiteral("Quorlane " QUORLANE_VERSION "\n"));
    return 0;
  }
  if (!parser.positionalArguments().isEmpty())
    return UsageError("unexpected argument '" + parser.positionalArguments().constFirst() + "'");
  return std::nullopt;
}
