#include <gtest/gtest.h>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include "support/GuiTestSupport.h"

// The README's pictures: the program `make screenshots` runs plays its games
// and writes every picture, the repository holds each one, and the README
// shows each one.

namespace {

const char* const kPictures[] = {"scores", "new-game", "plain-field", "random-field", "hint",
                                 "pattern-field", "won", "pattern-chooser"};

TEST(Screenshots, TheScriptedGamesWriteEveryPictureTheReadmeShows) {
  QTemporaryDir output;
  QProcess tool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  tool.setProcessEnvironment(environment);
  tool.start(QStringLiteral(QUORLANE_SCREENSHOTS_TOOL), {output.path(), SourceDir() + "/Patterns"});
  ASSERT_TRUE(tool.waitForFinished(60000));
  const QString errors = QString::fromLocal8Bit(tool.readAllStandardError());
  ASSERT_EQ(tool.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(tool.exitCode(), 0) << errors.toStdString();

  const QByteArray readme = ReadWholeFile(SourceDir() + "/README.md");
  for (const char* name : kPictures) {
    const QString file = QString::fromLatin1(name) + ".png";
    const QImage picture(output.filePath(file));
    ASSERT_FALSE(picture.isNull()) << name << " was not written: " << errors.toStdString();
    EXPECT_GE(picture.width(), 200) << name;
    EXPECT_GE(picture.height(), 200) << name;
    // A window that drew nothing is one colour; the game's screens have many.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
      for (int x = 0; x < picture.width(); x += 3) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 8) << name << " looks blank";
    EXPECT_TRUE(QFileInfo(SourceDir() + "/docs/" + file).isFile()) << "docs/" << file.toStdString() << " is not in the repository";
    EXPECT_TRUE(readme.contains("](docs/" + file.toLatin1() + ")")) << "the README does not show " << name;
  }
  // The won game's message is drawn over its field, not on its own.
  EXPECT_EQ(QImage(output.filePath("won.png")).size(), QImage(output.filePath("plain-field.png")).size());
}

}  // namespace
