#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include "support/GuiTestSupport.h"

// Installs this build into a temporary prefix, as a player would with
// `cmake --install`, and checks what a desktop needs of it.

namespace {

const QString kAppId = QStringLiteral("org.quorlane.Quorlane");

struct TRun {
  int ExitCode = -1;
  QString Output;
};

TRun RunTool(const QString& program, const QStringList& arguments,
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    return {-1, "did not finish: " + program};
  }
  const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return {code, QString::fromLocal8Bit(process.readAll())};
}

QStringList PatternNames(const QString& folder) {
  return QDir(folder).entryList({"*.tes"}, QDir::Files, QDir::Name);
}

// One installation shared by the tests of this file; installing is the slow part.
class InstalledGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Prefix = new QTemporaryDir();
    Install = new TRun(RunTool(QStringLiteral(QUORLANE_CMAKE_COMMAND),
                           {"--install", QStringLiteral(QUORLANE_BUILD_DIR), "--prefix", Prefix->path()}));
  }
  static void TearDownTestSuite() {
    delete Install;
    delete Prefix;
  }
  void SetUp() override { ASSERT_EQ(Install->ExitCode, 0) << Install->Output.toStdString(); }

  static QString Installed(const QString& path) { return Prefix->filePath(path); }
  static QString DesktopEntry() { return ReadWholeFile(Installed("share/applications/" + kAppId + ".desktop")); }

  static QTemporaryDir* Prefix;
  static TRun* Install;
};

QTemporaryDir* InstalledGame::Prefix = nullptr;
TRun* InstalledGame::Install = nullptr;

TEST_F(InstalledGame, PutsTheGameAndItsLauncherInBin) {
  for (const QString& program : {QStringLiteral("bin/quorlane"), QStringLiteral("bin/quorlane-launcher")}) {
    const QFileInfo info(Installed(program));
    EXPECT_TRUE(info.isFile()) << program.toStdString();
    EXPECT_TRUE(info.isExecutable()) << program.toStdString();
  }
  EXPECT_TRUE(ReadWholeFile(Installed("bin/quorlane-launcher")).startsWith("#!/bin/sh\n"));
}

TEST_F(InstalledGame, InstallsTheWholePatternLibrary) {
  const QString shipped = SourceDir() + "/Patterns";
  const QString installed = Installed("share/quorlane/Patterns");
  const QStringList names = PatternNames(shipped);
  EXPECT_EQ(PatternNames(installed).join(' ').toStdString(), names.join(' ').toStdString());
  for (const QString& name : names)
    EXPECT_EQ(ReadWholeFile(installed + "/" + name), ReadWholeFile(shipped + "/" + name)) << name.toStdString();
}

// The installed game finds its catalogues by its own place, not the build's.
TEST_F(InstalledGame, SpeaksThePlayersLanguageWithTheCataloguesItInstalled) {
  for (const char* language : {"de", "fr", "es"})
    EXPECT_TRUE(QFileInfo(Installed(QString("share/quorlane/translations/quorlane_%1.qm").arg(language))).isFile())
        << language;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(name);
  environment.insert("LANG", "fr_FR.UTF-8");
  const TRun help = RunTool(Installed("bin/quorlane"), {"--help"}, environment);
  EXPECT_EQ(help.ExitCode, 0) << help.Output.toStdString();
  EXPECT_TRUE(help.Output.startsWith("Usage : quorlane")) << help.Output.toStdString();
}

TEST_F(InstalledGame, InstallsIconsAtEveryThemeSizeAndScalable) {
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString path = Installed(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
    const QImage icon(path);
    ASSERT_FALSE(icon.isNull()) << path.toStdString();
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
  }
  const QByteArray svg = ReadWholeFile(Installed("share/icons/hicolor/scalable/apps/" + kAppId + ".svg"));
  EXPECT_TRUE(svg.startsWith("<?xml"));
  EXPECT_TRUE(svg.contains("<svg xmlns=\"http://www.w3.org/2000/svg\""));
  EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
}

TEST_F(InstalledGame, MenuEntryStartsTheInstalledLauncherWithTheIcon) {
  const QString entry = DesktopEntry();
  const QString launcher = Installed("bin/quorlane-launcher");
  EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(entry.contains("\nExec=" + launcher + "\n")) << entry.toStdString();
  EXPECT_TRUE(entry.contains("\nTryExec=" + launcher + "\n"));
  EXPECT_TRUE(entry.contains("\nIcon=" + kAppId + "\n"));
  EXPECT_TRUE(entry.contains("\nName=Quorlane\n"));
  EXPECT_TRUE(entry.contains("\nCategories=Game;LogicGame;\n"));
}

TEST_F(InstalledGame, MenuEntryPassesDesktopFileValidate) {
  const QString validator = QStringLiteral(QUORLANE_DESKTOP_FILE_VALIDATE);
  ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate is not installed (package desktop-file-utils)";
  const TRun run = RunTool(validator, {Installed("share/applications/" + kAppId + ".desktop")});
  EXPECT_EQ(run.ExitCode, 0) << run.Output.toStdString();
  EXPECT_TRUE(run.Output.trimmed().isEmpty()) << "no warnings either: " << run.Output.toStdString();
}

TEST_F(InstalledGame, MetadataPassesAppstreamValidation) {
  const QString validator = QStringLiteral(QUORLANE_APPSTREAMCLI);
  ASSERT_FALSE(validator.isEmpty()) << "appstreamcli is not installed (package appstream)";
  const QString metainfo = Installed("share/metainfo/" + kAppId + ".metainfo.xml");
  ASSERT_TRUE(QFileInfo::exists(metainfo));
  const TRun run = RunTool(validator, {"validate", "--no-net", metainfo});
  EXPECT_EQ(run.ExitCode, 0) << run.Output.toStdString();
  EXPECT_TRUE(ReadWholeFile(metainfo).contains("<launchable type=\"desktop-id\">" + kAppId.toUtf8() + ".desktop"));
}

// The real game, started the way the menu starts it: it must come up in the
// player's new data folder, beside a copy of the pattern library, and keep
// running until it is told to stop.
TEST_F(InstalledGame, LauncherStartsTheGameInThePlayersDataFolder) {
  QTemporaryDir dataHome;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_DATA_HOME", dataHome.path());
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess game;
  game.setProcessEnvironment(environment);
  game.setWorkingDirectory(Prefix->path());
  game.start(Installed("bin/quorlane-launcher"), {});
  ASSERT_TRUE(game.waitForStarted());

  // The launcher replaces itself with the game, so the process's folder is
  // the game's working directory once it has started.
  const QString dataFolder = QFileInfo(dataHome.path()).canonicalFilePath() + "/quorlane";
  const QString cwdLink = QString("/proc/%1/cwd").arg(game.processId());
  QString gameFolder;
  for (int wait = 0; wait < 200 && gameFolder != dataFolder; ++wait) {
    QThread::msleep(50);
    gameFolder = QFileInfo(cwdLink).canonicalFilePath();
  }
  EXPECT_EQ(gameFolder.toStdString(), dataFolder.toStdString());
  EXPECT_EQ(PatternNames(dataFolder + "/Patterns").join(' ').toStdString(),
            PatternNames(Installed("share/quorlane/Patterns")).join(' ').toStdString());
  EXPECT_FALSE(PatternNames(dataFolder + "/Patterns").isEmpty());

  EXPECT_FALSE(game.waitForFinished(1500)) << "the game ended on its own: " << game.readAll().toStdString();
  game.terminate();
  if (!game.waitForFinished(5000)) {
    game.kill();
    game.waitForFinished();
  }
}

}  // namespace
