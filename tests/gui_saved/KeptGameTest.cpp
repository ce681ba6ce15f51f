#include <csignal>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include "WindowFixture.h"
#include "game/SavedGame.h"
#include "game/SavedGameSlot.h"
#include "support/WindowParts.h"

// The game in play is kept in SavedGame.dat when the window closes, at a
// pause, on hiding, on a signal and within 30 seconds of a change; the next
// start has it back, paused, until it ends once.

namespace {

const QString WaitingNote = QStringLiteral(" Your unfinished game is waiting: F3 resumes it");

std::span<const std::uint8_t> AsBytes(const QByteArray& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

QByteArray Encoded(const TGame& game) { return QByteArray::fromStdString(EncodeSavedGame(game.Image())); }

}  // namespace

class KeptGameTest : public WindowTest {
 protected:
  QByteArray Kept() const { return ReadWholeFile(SavedGameFile); }
  bool KeptExists() const { return QFile::exists(SavedGameFile); }
  QTimer* KeepTimer() const { return NamedPart<QTimer>(Main, "KeepTimer"); }

  // A few moves of every kind: an uncover, a tint, a lifeline spent on a
  // mine and another left armed, a mark, and the clock run on.
  void PlaySome() {
    Click(Qt::LeftButton, ACoveredSafeArea());
    const TCell tinted = ACoveredSafeArea();
    Press(Qt::LeftButton, tinted);
    Press(Qt::RightButton, tinted);
    Release(Qt::LeftButton, tinted);
    Release(Qt::RightButton, tinted);
    SpeedButtonLifeline(Main)->click();
    Click(Qt::LeftButton, AMine());
    Click(Qt::RightButton, AMine());
    SpeedButtonLifeline(Main)->click();
    for (int tick = 0; tick < 23; ++tick) Main->Tick();
    ASSERT_TRUE(Main->GameActive());
    ASSERT_TRUE(Main->UsingLifeline());
  }

  // Takes every wrong mark off and marks every mine: the field is cleared.
  void ClearTheField() {
    for (TCell cell : Cells([](const TAreaProperties& a) { return a.Marked && !a.Mine; }))
      if (AreaOf(cell)->Marked) Click(Qt::RightButton, cell);
    for (TCell cell : OneCellPerMine())
      if (Main->GameActive() && !AreaOf(cell)->Marked) Click(Qt::RightButton, cell);
  }
};

TEST_F(KeptGameTest, AGameClosedComesBackInAFreshWindowAsItWasAndEndsOnce) {
  StartSeededGame({.Columns = 30, .Rows = 20, .MinePopulation = 70, .Holes = 20, .CellSize = 30,
                   .Linking = 20, .Timed = true, .GameSpeed = 5},
                  2801);
  PlaySome();
  Main->FormMouseMove(0, 0);  // the pointer off the field: nothing lit
  const QImage field = Main->CanvasImage().copy();
  const int clock = Main->Clock(), score = Main->Score();
  const QString clockText = LabelTimeB(Main)->text();
  ASSERT_FALSE(KeptExists()) << "nothing is written before 30 seconds of play or a pause";

  Main->close();
  ASSERT_TRUE(KeptExists());
  CreateWindows();
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_TRUE(BtnPause(Main)->isEnabled());
  EXPECT_EQ(LabelScore(Main)->text(), QString::number(score));
  EXPECT_EQ(LabelNumLifelines(Main)->text(), QStringLiteral("1"));
  EXPECT_EQ(LabelTimeB(Main)->text(), clockText);
  EXPECT_EQ(StatusBar(Main)->text(), WaitingNote);
  Main->DisplayHint(QStringLiteral("Score"));
  Main->DisplayHint(QString());
  EXPECT_EQ(StatusBar(Main)->text(), WaitingNote) << "a hint that goes gives the word back";

  Key(Qt::Key_F3);
  ASSERT_EQ(Main->ScreenShown(), ss_Game);
  EXPECT_NE(StatusBar(Main)->text(), WaitingNote);
  EXPECT_EQ(Main->Clock(), clock);
  EXPECT_TRUE(Main->UsingLifeline());
  EXPECT_TRUE(SpeedButtonLifeline(Main)->isChecked());
  EXPECT_TRUE(Main->CanvasImage() == field) << "the field is drawn as it was left";

  ClearTheField();
  ASSERT_FALSE(Main->GameActive());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].startsWith(QStringLiteral("Success!!")));
  EXPECT_EQ(RecordsInScores(), 1);
  EXPECT_EQ(LastScore().Score, Main->Score());
  EXPECT_EQ(LastScore().Clock, Main->Clock());
  EXPECT_EQ(LastScore().PlayerName(), "Tester");
  EXPECT_FALSE(KeptExists());
  CreateWindows();
  EXPECT_FALSE(Main->GameActive()) << "an ended game never comes back";
}

TEST_F(KeptGameTest, APauseTheBossKeyAMinimisedWindowAndTheTimerKeepTheGameAndANewGameOrTheEndRemovesIt) {
  StartSeededGame({.MinePopulation = 60}, 2802);
  Click(Qt::LeftButton, ACoveredSafeArea());
  Key(Qt::Key_F3);
  EXPECT_EQ(Kept(), Encoded(Main->Game())) << "a pause";
  Key(Qt::Key_F3);
  Click(Qt::LeftButton, ACoveredSafeArea());
  Key(Qt::Key_F2);
  EXPECT_EQ(Kept(), Encoded(Main->Game())) << "the boss key";
  Main->showNormal();
  Key(Qt::Key_F3);
  Click(Qt::RightButton, ACoveredSafeArea());
  Main->showMinimized();
  EXPECT_EQ(Kept(), Encoded(Main->Game())) << "a minimised window";
  Main->showNormal();
  ASSERT_EQ(Main->ScreenShown(), ss_Game);

  // In play, a tick arms one single-shot timer; when it fires, the game is
  // kept. A paused game arms nothing.
  EXPECT_FALSE(KeepTimer()->isActive());
  Click(Qt::RightButton, ACoveredSafeArea());
  Main->Tick();
  ASSERT_TRUE(KeepTimer()->isActive());
  EXPECT_TRUE(KeepTimer()->isSingleShot());
  EXPECT_EQ(KeepTimer()->interval(), 30000);
  KeepTimer()->start(1);
  QElapsedTimer waited;
  waited.start();
  while (KeepTimer()->isActive() && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_EQ(Kept(), Encoded(Main->Game())) << "the timer";
  Key(Qt::Key_F3);
  for (int tick = 0; tick < 3; ++tick) Main->Tick();
  EXPECT_FALSE(KeepTimer()->isActive());

  StartSeededGame({.MinePopulation = 60}, 2803);
  EXPECT_FALSE(KeptExists()) << "a game given up for a new one";
  Key(Qt::Key_F3);
  EXPECT_EQ(Kept(), Encoded(Main->Game()));
  Key(Qt::Key_F3);
  Click(Qt::LeftButton, ACoveredSafeArea());
  Click(Qt::LeftButton, AMine());
  ASSERT_FALSE(Main->GameActive());
  EXPECT_FALSE(KeptExists()) << "a lost game";
}

TEST_F(KeptGameTest, AWaitingGameGivenUpForANewOneGoesWithItsWord) {
  StartSeededGame({}, 2807);
  Key(Qt::Key_F3);
  CreateWindows();
  ASSERT_EQ(StatusBar(Main)->text(), WaitingNote);
  StartSeededGame({.MinePopulation = 60}, 2808);
  EXPECT_NE(StatusBar(Main)->text(), WaitingNote);
  EXPECT_FALSE(KeptExists());
  Key(Qt::Key_F3);
  EXPECT_EQ(Kept(), Encoded(Main->Game()));
}

TEST_F(KeptGameTest, AFileThatCannotBeUsedIsSetAsideAndTheStartIsAsWithoutOne) {
  StartSeededGame({}, 2804);
  Key(Qt::Key_F3);
  QByteArray flipped = Kept();
  ASSERT_FALSE(flipped.isEmpty());
  flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 1);
  DestroyWindows();
  for (const QByteArray& bytes : {QByteArray(), QByteArray("SavedGame"), flipped}) {
    SCOPED_TRACE(bytes.size());
    QFile::remove(SavedGameFile);
    QFile::remove("SavedGame.dat.rejected");
    WriteWholeFile(SavedGameFile, bytes);
    CreateWindows();
    EXPECT_FALSE(Main->GameActive());
    EXPECT_FALSE(Main->Board());
    EXPECT_FALSE(BtnPause(Main)->isEnabled());
    EXPECT_EQ(StatusBar(Main)->text(), QStringLiteral(" "));
    EXPECT_FALSE(KeptExists());
    EXPECT_EQ(ReadWholeFile("SavedGame.dat.rejected"), bytes);
  }
}

TEST_F(KeptGameTest, WhileAnotherCopyHoldsTheSavedGameThisOneNeitherLoadsNorOverwritesItAndSaysSo) {
  StartSeededGame({}, 2805);
  Key(Qt::Key_F3);
  const QByteArray otherGame = Kept();
  DestroyWindows();
  // The other copy: it loaded the saved game, and runs on.
  TSavedGameSlot other(SavedGameFile);
  TGame otherPlay;
  ASSERT_EQ(other.Open(otherPlay), TSavedGameSlot::so_Restored);

  CreateWindows();
  EXPECT_FALSE(Main->GameActive());
  EXPECT_EQ(StatusBar(Main)->text(), QStringLiteral(" Another copy of Quorlane has the unfinished game of this folder"));
  StartSeededGame({}, 2806);
  Key(Qt::Key_F3);
  EXPECT_EQ(StatusBar(Main)->text(),
            QStringLiteral(" This game will not be kept: another copy of Quorlane keeps its own here"));
  Main->close();
  EXPECT_EQ(Kept(), otherGame);
}

// A copy of the game in a process of its own, sent a signal mid-game, ends
// as it would at close: its game comes back at the next start.
TEST_F(KeptGameTest, ACopySentSIGTERMSIGHUPOrSIGINTMidGameKeepsItsGameAndEnds) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    DestroyWindows();
    QFile::remove(SavedGameFile);
    QProcess child;
    child.setWorkingDirectory(WorkDir->Path());
    child.start(QStringLiteral(QUORLANE_KEPT_GAME_CHILD), {});
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray said;
    while (!said.contains("ready") && child.waitForReadyRead(20000)) said += child.readAllStandardOutput();
    ASSERT_TRUE(said.contains("ready")) << child.readAllStandardError().toStdString();
    EXPECT_FALSE(KeptExists()) << "the child keeps its game only when it ends";

    ::kill(pid_t(child.processId()), signal);
    ASSERT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    // The child's clock ran on while it waited for the signal; the rest is
    // as the child played it.
    TGameImage kept, expected;
    const QByteArray keptBytes = Kept(), expectedBytes = ReadWholeFile("expected.dat");
    ASSERT_TRUE(DecodeSavedGame(AsBytes(keptBytes), kept));
    ASSERT_TRUE(DecodeSavedGame(AsBytes(expectedBytes), expected));
    EXPECT_GE(expected.Clock - kept.Clock, 0) << "a timed game counts down";
    EXPECT_LT(expected.Clock - kept.Clock, 200);
    kept.Clock = expected.Clock;
    EXPECT_TRUE(kept == expected);
    CreateWindows();
    EXPECT_TRUE(Main->GameActive());
    EXPECT_EQ(StatusBar(Main)->text(), WaitingNote);
  }
}
