#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include "support/GuiTestSupport.h"

// The built game's command line, run as a player runs it from a terminal:
// with no display at all, so that an answer which needed a window fails.

namespace {

struct TAnswer {
  int ExitCode = -1;
  QString Out;
  QString Err;
  QStringList FilesLeft;  // what the run left in its working folder
};

// The session's language is the C locale's unless `locale` names other
// variables (LANG=de_DE.UTF-8 ...).
TAnswer RunGame(const QStringList& arguments, const QStringList& locale = {}) {
  QTemporaryDir folder;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  if (!locale.isEmpty()) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) environment.remove(name);
    for (const QString& variable : locale) environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
  }
  QProcess game;
  game.setProcessEnvironment(environment);
  game.setWorkingDirectory(folder.path());
  game.start(QStringLiteral(QUORLANE_BUILD_DIR) + "/quorlane", arguments);
  if (!game.waitForFinished(20000)) {
    game.kill();
    game.waitForFinished();
    return {};
  }
  TAnswer answer;
  answer.ExitCode = game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1;
  answer.Out = QString::fromLocal8Bit(game.readAllStandardOutput());
  answer.Err = QString::fromLocal8Bit(game.readAllStandardError());
  answer.FilesLeft = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  return answer;
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
  for (const char* option : {"--help", "-h"}) {
    const TAnswer help = RunGame({QString::fromLatin1(option)});
    EXPECT_EQ(help.ExitCode, 0) << option << ": " << help.Err.toStdString();
    EXPECT_TRUE(help.Out.startsWith("Usage: quorlane")) << help.Out.toStdString();
    for (const char* told : {"mine-clearing puzzle", "Scores.dat", "LastGame.dat", "SavedNames.txt",
                             "Patterns/*.tes", "quorlane-launcher", "--version"})
      EXPECT_TRUE(help.Out.contains(told)) << "the usage tells of " << told;
    EXPECT_TRUE(help.Err.isEmpty()) << help.Err.toStdString();
    EXPECT_TRUE(help.FilesLeft.isEmpty()) << "no game file made: " << help.FilesLeft.join(' ').toStdString();
  }
  for (const char* option : {"--version", "-v"}) {
    const TAnswer version = RunGame({QString::fromLatin1(option)});
    EXPECT_EQ(version.ExitCode, 0) << version.Err.toStdString();
    EXPECT_EQ(version.Out.toStdString(), "Quorlane 1.0.1\n");
    EXPECT_TRUE(version.Err.isEmpty()) << version.Err.toStdString();
    EXPECT_TRUE(version.FilesLeft.isEmpty());
  }
}

// The answers speak the session's language, as gettext picks it: LANGUAGE
// first where the messages locale is not C, a language without a catalogue
// passed over, English wherever it comes first.
TEST(CommandLine, AnswersInTheFirstLanguageOfTheSessionThatTheGameSpeaks) {
  const struct {
    QStringList Locale;
    const char* Usage;
  } cases[] = {
      {{"LANG=de_DE.UTF-8"}, "Aufruf: quorlane [--help] [--version]\n"},
      {{"LANG=nl_NL.UTF-8", "LANGUAGE=nl:fr"}, "Usage : quorlane [--help] [--version]\n"},
      {{"LANG=es_ES.UTF-8", "LC_MESSAGES=es_MX.UTF-8"}, "Uso: quorlane [--help] [--version]\n"},
      {{"LANG=fr_FR.UTF-8", "LANGUAGE=en:fr"}, "Usage: quorlane [--help] [--version]\n"},
      {{"LANG=de_DE.UTF-8", "LC_ALL=C"}, "Usage: quorlane [--help] [--version]\n"},
      {{"LC_ALL=C", "LANGUAGE=de"}, "Usage: quorlane [--help] [--version]\n"},
      {{"LANG=pt_BR.UTF-8"}, "Usage: quorlane [--help] [--version]\n"},
  };
  for (const auto& session : cases) {
    const TAnswer help = RunGame({"--help"}, session.Locale);
    EXPECT_EQ(help.ExitCode, 0) << help.Err.toStdString();
    EXPECT_TRUE(help.Out.startsWith(session.Usage)) << session.Locale.join(' ').toStdString() << ": "
                                                    << help.Out.left(60).toStdString();
    EXPECT_TRUE(help.Err.isEmpty()) << help.Err.toStdString();
  }
  // Qt words its own complaints in the language too.
  const TAnswer unknown = RunGame({"--bogus"}, {"LANG=de_DE.UTF-8"});
  EXPECT_EQ(unknown.ExitCode, 2);
  EXPECT_TRUE(unknown.Err.startsWith("quorlane: Unbekannte Option 'bogus'.\n\nAufruf: quorlane")) << unknown.Err.toStdString();
  const TAnswer unexpected = RunGame({"Scores.dat"}, {"LANG=es_ES.UTF-8"});
  EXPECT_EQ(unexpected.ExitCode, 2);
  EXPECT_TRUE(unexpected.Err.startsWith("quorlane: argumento inesperado 'Scores.dat'\n\nUso: quorlane"))
      << unexpected.Err.toStdString();
}

TEST(CommandLine, AnythingElseGetsTheUsageOnStandardErrorAndStatusTwo) {
  for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"-x"}, QStringList{"Scores.dat"},
                                       QStringList{"--help=yes"}, QStringList{"--platform"}}) {
    const TAnswer answer = RunGame(arguments);
    const std::string given = arguments.join(' ').toStdString();
    EXPECT_EQ(answer.ExitCode, 2) << given << ": " << answer.Err.toStdString();
    EXPECT_TRUE(answer.Out.isEmpty()) << given;
    EXPECT_TRUE(answer.Err.startsWith("quorlane: ")) << given << ": " << answer.Err.toStdString();
    EXPECT_TRUE(answer.Err.contains("Usage: quorlane")) << given;
    EXPECT_TRUE(answer.FilesLeft.isEmpty()) << given;
  }
}

}  // namespace
