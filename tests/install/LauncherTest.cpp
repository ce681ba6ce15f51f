#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include "support/GuiTestSupport.h"

// The menu's launcher on its own, in a made-up installation whose "game"
// only writes down the folder it was started in and what it was given.

namespace {

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Root.isValid());
    QDir(Root.path()).mkpath("install/bin");
    QDir(Root.path()).mkpath("install/share/quorlane/Patterns");
    QDir(Root.path()).mkpath("home");
    const QString launcher = Path("install/bin/quorlane-launcher");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORLANE_BUILD_DIR) + "/art/quorlane-launcher", launcher));
    WriteWholeFile(Path("install/bin/quorlane"),
                   "#!/bin/sh\n{ pwd; echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > \"$QUORLANE_TEST_REPORT\"\n");
    for (const QString& program : {launcher, Path("install/bin/quorlane")})
      QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    WriteWholeFile(Path("install/share/quorlane/Patterns/101.tes"), "library 101\n");
    WriteWholeFile(Path("install/share/quorlane/Patterns/102.tes"), "library 102\n");
    WriteWholeFile(Path("install/share/quorlane/Patterns/notes.txt"), "not a pattern\n");
    Environment.insert("HOME", Path("home"));
    Environment.remove("XDG_DATA_HOME");
    Environment.insert("QUORLANE_TEST_REPORT", Path("report.txt"));
  }

  QString Path(const QString& relative) const { return QDir(Root.path()).filePath(relative); }

  int Launch(const QStringList& arguments = {}) {
    QProcess process;
    process.setProcessEnvironment(Environment);
    process.setWorkingDirectory(Root.path());
    process.start(Path("install/bin/quorlane-launcher"), arguments);
    if (!process.waitForFinished(20000)) {
      process.kill();
      process.waitForFinished();
      return -1;
    }
    Errors = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  // The folder the game ran in, the number of arguments it received, then
  // each argument in brackets.
  QStringList Report() const { return QString::fromLocal8Bit(ReadWholeFile(Path("report.txt"))).split('\n', Qt::SkipEmptyParts); }

  static QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

  QTemporaryDir Root;
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
  QString Errors;
};

TEST_F(Launcher, RunsTheGameInTheDefaultDataFolderPassingItsArgumentsOn) {
  ASSERT_EQ(Launch({"--version", "two words", "*.tes"}), 0) << Errors.toStdString();
  const QString data = Path("home/.local/share/quorlane");
  ASSERT_EQ(Report().size(), 5);
  EXPECT_EQ(Canonical(Report()[0]), Canonical(data));
  EXPECT_EQ(Report()[1], "3");
  EXPECT_EQ(Report().mid(2).join('|'), "[--version]|[two words]|[*.tes]") << "each argument intact";
  EXPECT_EQ(ReadWholeFile(data + "/Patterns/101.tes"), "library 101\n");
  EXPECT_EQ(ReadWholeFile(data + "/Patterns/102.tes"), "library 102\n");
  EXPECT_FALSE(QFileInfo::exists(data + "/Patterns/notes.txt")) << "only pattern files";
}

TEST_F(Launcher, FollowsXdgDataHome) {
  Environment.insert("XDG_DATA_HOME", Path("data home with spaces"));
  ASSERT_EQ(Launch(), 0) << Errors.toStdString();
  const QString data = Path("data home with spaces/quorlane");
  ASSERT_FALSE(Report().isEmpty());
  EXPECT_EQ(Canonical(Report()[0]), Canonical(data));
  EXPECT_TRUE(QFileInfo::exists(data + "/Patterns/101.tes"));
}

// The XDG base directory rules say a relative path is to be ignored.
TEST_F(Launcher, IgnoresARelativeXdgDataHome) {
  Environment.insert("XDG_DATA_HOME", "relative/data");
  ASSERT_EQ(Launch(), 0) << Errors.toStdString();
  ASSERT_FALSE(Report().isEmpty());
  EXPECT_EQ(Canonical(Report()[0]), Canonical(Path("home/.local/share/quorlane")));
  EXPECT_FALSE(QFileInfo::exists(Path("relative")));
}

TEST_F(Launcher, NeverOverwritesThePlayersPatterns) {
  const QString patterns = Path("home/.local/share/quorlane/Patterns");
  QDir().mkpath(patterns);
  WriteWholeFile(patterns + "/101.tes", "the player's own 101\n");
  WriteWholeFile(patterns + "/900.tes", "the player's new pattern\n");
  ASSERT_EQ(Launch(), 0) << Errors.toStdString();
  EXPECT_EQ(ReadWholeFile(patterns + "/101.tes"), "the player's own 101\n");
  EXPECT_EQ(ReadWholeFile(patterns + "/900.tes"), "the player's new pattern\n");
  EXPECT_EQ(ReadWholeFile(patterns + "/102.tes"), "library 102\n") << "a missing one is still added";
}

TEST_F(Launcher, PutsBackAPatternThePlayerDeleted) {
  ASSERT_EQ(Launch(), 0);
  const QString pattern = Path("home/.local/share/quorlane/Patterns/102.tes");
  ASSERT_TRUE(QFile::remove(pattern));
  ASSERT_EQ(Launch(), 0);
  EXPECT_EQ(ReadWholeFile(pattern), "library 102\n");
}

TEST_F(Launcher, StartsWithAnEmptyLibrary) {
  for (const char* name : {"101.tes", "102.tes"}) QFile::remove(Path(QStringLiteral("install/share/quorlane/Patterns/") + name));
  ASSERT_EQ(Launch(), 0) << Errors.toStdString();
  EXPECT_TRUE(QFileInfo(Path("home/.local/share/quorlane/Patterns")).isDir());
  EXPECT_FALSE(Report().isEmpty()) << "the game still runs";
}

TEST_F(Launcher, StopsWithAMessageWhenTheDataFolderCannotBeMade) {
  WriteWholeFile(Path("blocked"), "a file where the folder should be\n");
  Environment.insert("XDG_DATA_HOME", Path("blocked"));
  EXPECT_NE(Launch(), 0);
  EXPECT_TRUE(Errors.contains("quorlane:")) << Errors.toStdString();
  EXPECT_TRUE(Report().isEmpty()) << "the game did not start";
}

TEST_F(Launcher, StopsWithAMessageWithoutAnyHome) {
  Environment.remove("HOME");
  EXPECT_NE(Launch(), 0);
  EXPECT_TRUE(Errors.contains("HOME")) << Errors.toStdString();
  EXPECT_TRUE(Report().isEmpty());
}

}  // namespace
