#include "game/ui/CommandLine.h"
#include <cstdio>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include "ui/Translations.h"

#ifndef QUORLANE_VERSION
#define QUORLANE_VERSION "1.0.1"
#endif

namespace {

// Exit status of a command line the game does not understand, as the shell's
// own tools use it.
constexpr int kUsageError = 2;

//: Keep the options, the file names and the folders as they are, and the
//: lines within 80 columns.
const char kUsage[] = QT_TRANSLATE_NOOP(
    "CommandLine",
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
    "  -v, --version    show the version and end\n");

QString Usage() { return QCoreApplication::translate("CommandLine", kUsage); }

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
  std::fflush(stream);
}

// What the program says to a command line it answers, and how it ends.
struct TAnswer {
  int Status = 0;
  std::FILE* Stream = stdout;
  QString Text;
};

TAnswer UsageError(const QString& problem) {
  return {kUsageError, stderr, "quorlane: " + problem + "\n\n" + Usage()};
}

// The answer to the command line; none when the game is to start.
std::optional<TAnswer> Answer(const QStringList& arguments) {
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
  if (parser.isSet(help)) return TAnswer{0, stdout, Usage()};
  if (parser.isSet(version)) return TAnswer{0, stdout, QStringLiteral("Quorlane " QUORLANE_VERSION "\n")};
  if (!parser.positionalArguments().isEmpty())
    return UsageError(QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                          .arg(parser.positionalArguments().constFirst()));
  return std::nullopt;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (arguments.isEmpty()) arguments << QStringLiteral("quorlane");
  if (!Answer(arguments)) return std::nullopt;

  // The answer is in the player's language. The catalogues are installed on
  // an application object, and this one needs no display; the line is read
  // again, so that the parser words its own complaints in that language too.
  QCoreApplication application(argc, argv);
  const TTranslations translations(SessionLanguages(), GameCatalogueFolder());
  const TAnswer answer = *Answer(arguments);
  Print(answer.Stream, answer.Text);
  return answer.Status;
}
