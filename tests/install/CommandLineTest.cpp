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

TAnswer RunGame(const QStringList& arguments) {
  QTemporaryDir folder;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
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
