#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include "support/GuiTestSupport.h"

// Builds the Debian package from this build, as `make deb` does, and reads it
// back with dpkg-deb: its control fields, and a tree that is the installed
// tree under /usr.

namespace {

struct TOutput {
  int ExitCode = -1;
  QByteArray Out;
  QString Err;
};

TOutput RunProgram(const QString& program, const QStringList& arguments, const QString& folder = {}) {
  QProcess process;
  if (!folder.isEmpty()) process.setWorkingDirectory(folder);
  process.start(program, arguments);
  if (!process.waitForFinished(180000)) {
    process.kill();
    process.waitForFinished();
    return {-1, {}, "did not finish: " + program};
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          QString::fromLocal8Bit(process.readAllStandardError())};
}

QString BinDir() { return QStringLiteral(QUORLANE_INSTALL_BINDIR); }

class DebianPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    const TOutput built = RunProgram(QStringLiteral(QUORLANE_CPACK_COMMAND),
                              {"-G", "DEB", "-B", Folder.path(), "--config",
                               QStringLiteral(QUORLANE_BUILD_DIR) + "/CPackConfig.cmake"});
    ASSERT_EQ(built.ExitCode, 0) << built.Out.toStdString() << built.Err.toStdString();
    const TOutput arch = RunProgram("dpkg", {"--print-architecture"});
    Architecture = QString::fromLatin1(arch.Out).trimmed();
    ASSERT_FALSE(Architecture.isEmpty());
    Package = Folder.filePath("quorlane_" QUORLANE_VERSION "_" + Architecture + ".deb");
    ASSERT_TRUE(QFileInfo(Package).isFile())
        << "no " << Package.toStdString() << " in " << QDir(Folder.path()).entryList().join(' ').toStdString();
  }

  QString Field(const QString& name) const {
    const TOutput field = RunProgram(QStringLiteral(QUORLANE_DPKG_DEB), {"-f", Package, name});
    EXPECT_EQ(field.ExitCode, 0) << field.Err.toStdString();
    return QString::fromUtf8(field.Out).trimmed();
  }

  // The package's entries, "./usr/..." to the line dpkg-deb lists for it.
  QMap<QString, QString> Entries() const {
    const TOutput listing = RunProgram(QStringLiteral(QUORLANE_DPKG_DEB), {"-c", Package});
    EXPECT_EQ(listing.ExitCode, 0) << listing.Err.toStdString();
    QMap<QString, QString> entries;
    for (const QString& line : QString::fromUtf8(listing.Out).split('\n', Qt::SkipEmptyParts)) {
      // mode owner size date time path [-> target]
      const QStringList parts = line.split(QRegularExpression("\\s+"));
      if (parts.size() < 6) continue;
      QString path = parts[5];
      if (path.endsWith('/')) path.chop(1);
      entries.insert(path, line);
    }
    return entries;
  }

  QTemporaryDir Folder;
  QString Architecture;
  QString Package;
};

TEST_F(DebianPackage, ControlFieldsNameTheGameItsSectionAndTheLibrariesItNeeds) {
  EXPECT_EQ(Field("Package").toStdString(), "quorlane");
  EXPECT_EQ(Field("Version").toStdString(), QUORLANE_VERSION);
  EXPECT_EQ(Field("Architecture"), Architecture);
  EXPECT_EQ(Field("Section").toStdString(), "games");
  EXPECT_EQ(Field("Priority").toStdString(), "optional");
  EXPECT_TRUE(Field("Maintainer").contains(QRegularExpression("^.+ <[^ ]+@[^ ]+>$"))) << Field("Maintainer").toStdString();
  const QStringList description = Field("Description").split('\n');
  ASSERT_GE(description.size(), 3);
  EXPECT_TRUE(description[0].startsWith("mine-clearing puzzle")) << description[0].toStdString();
  EXPECT_LE(description[0].size(), 80);
  EXPECT_FALSE(description[1].contains(description[0])) << "the synopsis is not repeated below";
  // Worked out from the binary: the toolkit, the JPEG decoder, the C and C++
  // runtimes, each with a least version.
  const QString depends = Field("Depends");
  for (const char* library : {"libc6 (>= ", "libstdc++6 (>= ", "libqt6widgets6 (>= ", "libqt6gui6 (>= ",
                              "libqt6core6 (>= ", "libjpeg62-turbo (>= "})
    EXPECT_TRUE(depends.contains(library)) << library << " in " << depends.toStdString();
  EXPECT_FALSE(depends.contains("-dev")) << depends.toStdString();
  EXPECT_EQ(Field("Recommends").toStdString(), "qt6-translations-l10n") << "Qt's catalogues for its buttons";
  EXPECT_GT(Field("Installed-Size").toInt(), 100);
}

TEST_F(DebianPackage, HoldsTheInstalledTreeUnderUsrWithItsManualPageAndDocuments) {
  // What `cmake --install` puts in a prefix, file by file.
  QTemporaryDir prefix;
  const TOutput installed = RunProgram(QStringLiteral(QUORLANE_CMAKE_COMMAND),
                                {"--install", QStringLiteral(QUORLANE_BUILD_DIR), "--prefix", prefix.path()});
  ASSERT_EQ(installed.ExitCode, 0) << installed.Err.toStdString();
  QSet<QString> tree;
  QDirIterator walk(prefix.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                    QDirIterator::Subdirectories);
  while (walk.hasNext()) tree.insert("./usr/" + QDir(prefix.path()).relativeFilePath(walk.next()));

  const QMap<QString, QString> entries = Entries();
  QSet<QString> packaged;
  for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
    EXPECT_TRUE(entry.key() == "./usr" || entry.key().startsWith("./usr/")) << entry.value().toStdString();
    EXPECT_TRUE(entry.value().contains(" root/root ")) << entry.value().toStdString();
    if (entry.key() != "./usr") packaged.insert(entry.key());
  }
  for (const QString& path : tree) EXPECT_TRUE(packaged.contains(path)) << "missing from the package: " << path.toStdString();
  for (const QString& path : packaged) EXPECT_TRUE(tree.contains(path)) << "not installed: " << path.toStdString();

  const QString bin = "./usr/" + BinDir();
  for (const QString& program : {bin + "/quorlane", bin + "/quorlane-launcher"})
    EXPECT_TRUE(entries.value(program).startsWith("-rwxr-xr-x ")) << program.toStdString();
  for (const char* file : {"./usr/share/man/man6/quorlane.6.gz", "./usr/share/doc/quorlane/copyright",
                           "./usr/share/doc/quorlane/changelog.gz",
                           "./usr/share/applications/org.quorlane.Quorlane.desktop",
                           "./usr/share/metainfo/org.quorlane.Quorlane.metainfo.xml",
                           "./usr/share/icons/hicolor/scalable/apps/org.quorlane.Quorlane.svg",
                           "./usr/share/icons/hicolor/48x48/apps/org.quorlane.Quorlane.png",
                           "./usr/share/quorlane/translations/quorlane_de.qm",
                           "./usr/share/quorlane/translations/quorlane_fr.qm",
                           "./usr/share/quorlane/translations/quorlane_es.qm"})
    EXPECT_TRUE(entries.value(file).startsWith("-rw-r--r-- ")) << file << ": " << entries.value(file).toStdString();
  EXPECT_TRUE(entries.value("./usr/share/man/man6/quorlane-launcher.6.gz").endsWith("-> quorlane.6.gz"));
  const QStringList patterns = QDir(SourceDir() + "/Patterns").entryList({"*.tes"}, QDir::Files);
  ASSERT_FALSE(patterns.isEmpty());
  for (const QString& pattern : patterns)
    EXPECT_TRUE(entries.contains("./usr/share/quorlane/Patterns/" + pattern)) << pattern.toStdString();

  // Unpacked: the menu entry names the launcher where the package puts it,
  // the game carries no debugging sections, the manual page is a gzip file.
  QTemporaryDir unpacked;
  const TOutput extracted = RunProgram(QStringLiteral(QUORLANE_DPKG_DEB), {"-x", Package, unpacked.path()});
  ASSERT_EQ(extracted.ExitCode, 0) << extracted.Err.toStdString();
  const QByteArray entry = ReadWholeFile(unpacked.filePath("usr/share/applications/org.quorlane.Quorlane.desktop"));
  EXPECT_TRUE(entry.contains("\nExec=/usr/" + BinDir().toUtf8() + "/quorlane-launcher\n")) << entry.toStdString();
  EXPECT_FALSE(ReadWholeFile(unpacked.filePath("usr/" + BinDir() + "/quorlane")).contains(".debug_info"))
      << "the packaged game is stripped";
  EXPECT_TRUE(ReadWholeFile(unpacked.filePath("usr/share/man/man6/quorlane.6.gz")).startsWith("\x1f\x8b"));
}

}  // namespace
