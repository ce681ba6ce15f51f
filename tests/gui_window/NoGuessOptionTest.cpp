#include <QApplication>
#include <QStatusTipEvent>
#include <QDir>
#include <QFile>
#include "WindowFixture.h"
#include "game/ui/PlayOptionsFile.h"
#include "support/WindowParts.h"

namespace {

QAction* NoGuessItem(const QObject* main) { return NamedPart<QAction>(main, "NoGuess1"); }

}  // namespace

// "No Guessing" is off on a first run, and choosing it writes nothing but
// its own file, which the next run reads. A damaged file, or one that cannot
// be read, means off; choosing the item then writes a sound file again.
TEST_F(WindowTest, NoGuessingIsRememberedInAFileOfItsOwnAndOffWhenThatIsDamaged) {
  const QString optionFile = WorkDir->File(PlayOptionsFileName);
  EXPECT_FALSE(NoGuessItem(Main)->isChecked());
  EXPECT_FALSE(Main->Game().NoGuess());
  StartGame();
  Click(Qt::LeftButton, ACoveredSafeArea());
  EXPECT_FALSE(QFile::exists(optionFile)) << "off and never chosen: no file";
  const QStringList before = QDir(WorkDir->Path()).entryList(QDir::Files);

  NoGuessItem(Main)->trigger();
  EXPECT_TRUE(NoGuessItem(Main)->isChecked());
  EXPECT_TRUE(Main->Game().NoGuess());
  QStringList after = QDir(WorkDir->Path()).entryList(QDir::Files);
  after.removeAll(QString::fromLatin1(PlayOptionsFileName));
  EXPECT_EQ(after, before);
  CreateWindows();
  EXPECT_TRUE(NoGuessItem(Main)->isChecked());
  EXPECT_TRUE(Main->Game().NoGuess());

  NoGuessItem(Main)->trigger();
  CreateWindows();
  EXPECT_FALSE(NoGuessItem(Main)->isChecked());

  static const char damaged[] = "\xff\xfe[Play\x00NoGuessing=tr\nue\x01";
  WriteWholeFile(optionFile, QByteArray(damaged, sizeof damaged - 1));
  CreateWindows();
  EXPECT_FALSE(Main->Game().NoGuess());
  NoGuessItem(Main)->trigger();
  CreateWindows();
  EXPECT_TRUE(Main->Game().NoGuess());

  QFile::remove(optionFile);
  QDir(WorkDir->Path()).mkdir(QString::fromLatin1(PlayOptionsFileName));  // not a file at all
  CreateWindows();
  EXPECT_FALSE(Main->Game().NoGuess());
  NoGuessItem(Main)->trigger();
  EXPECT_TRUE(Main->Game().NoGuess()) << "the option still holds for this run";
}

// A field whose mines cannot all be found by deduction (two areas parted by
// a hole, and a mine for each) says so in the status bar at its first
// uncover, which is safe, until the next game starts.
TEST_F(WindowTest, AFieldThatMayNeedAGuessSaysSoInTheStatusBar) {
  WriteWholeFile(WorkDir->File("Patterns/split.tes"), "9301\nx\nSplit\n\n0\n0\n3\n1\n3\n1\n0-0\n");
  NoGuessItem(Main)->trigger();
  AnswerDialog = [](TDlgNewGame& dialog) {
    ApplySettings(dialog, {.Columns = 3, .Rows = 1, .MinePopulation = 500});
    dialog.SetShapeRandom(false);
    dialog.SetPatternID(9301);
    return true;
  };
  BtnNewGame(Main)->click();
  ASSERT_TRUE(Main->GameActive());
  Click(Qt::LeftButton, {1, 1});
  EXPECT_TRUE(AreaOf({1, 1})->Uncovered);
  EXPECT_EQ(StatusBar(Main)->text(), QStringLiteral(" This field may need a guess"));
  // A hint passing over the status bar does not take the word away.
  for (const QString& tip : {QStringLiteral("Start a new game"), QString()}) {
    QStatusTipEvent event(tip);
    QApplication::sendEvent(Main, &event);
  }
  EXPECT_EQ(StatusBar(Main)->text(), QStringLiteral(" This field may need a guess"));
  BtnNewGame(Main)->click();
  EXPECT_EQ(StatusBar(Main)->text(), QStringLiteral(" ")) << "the next field has not said it yet";
}

// "Open Around Numbers" is off on a first run and remembered beside "No
// Guessing", each in a key of its own: a file from before it existed keeps
// its meaning, and a second copy of the game in the same folder that
// stores one option leaves the other as this copy stored it.
TEST_F(WindowTest, OpenAroundIsRememberedBesideNoGuessingEachInItsOwnKey) {
  QAction* openAround = NamedPart<QAction>(Main, "OpenAround1");
  EXPECT_TRUE(openAround->isCheckable());
  EXPECT_FALSE(openAround->isChecked());
  EXPECT_FALSE(Main->Game().OpenAround());

  const QString optionFile = WorkDir->File(PlayOptionsFileName);
  WriteWholeFile(optionFile, "[Play]\nNoGuessing=true\n");  // as the game wrote it before
  CreateWindows();
  EXPECT_TRUE(NoGuessItem(Main)->isChecked());
  EXPECT_FALSE(NamedPart<QAction>(Main, "OpenAround1")->isChecked());

  NamedPart<QAction>(Main, "OpenAround1")->trigger();
  EXPECT_TRUE(Main->Game().OpenAround());
  EXPECT_TRUE(Main->Game().NoGuess());
  TPlayOptionsFile(optionFile).Store(po_NoGuess, false);  // the other copy
  NamedPart<QAction>(Main, "OpenAround1")->trigger();
  NamedPart<QAction>(Main, "OpenAround1")->trigger();
  CreateWindows();
  EXPECT_FALSE(NoGuessItem(Main)->isChecked());
  EXPECT_TRUE(NamedPart<QAction>(Main, "OpenAround1")->isChecked());
  EXPECT_TRUE(Main->Game().OpenAround());
  EXPECT_EQ(TPlayOptionsFile(optionFile).Load(), (TPlayOptions{.NoGuess = false, .OpenAround = true}));
}
