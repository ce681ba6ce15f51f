#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "ScoreScreenFixture.h"
#include "scores/ScoreLayout.h"
#include "settings/PlayerNames.h"
#include "settings/ui/DlgNewGame.h"

namespace {

// A game unlike the dialog's defaults in every carried setting.
TGameRecord ChallengedGame() {
  TGameRecord game = ListedGame("Bob", 900);
  game.SizeX = 34;  // a size of the dialog's size slider
  game.SizeY = 23;
  game.MinePopulation = 55;
  game.Holes = 25;
  game.CellSize = 34;
  game.Linking = 12;
  game.TimedGame = 1;
  game.GameSpeed = 7;
  return game;
}

struct TDialogState {
  QString Name;
  int SizeX, SizeY, MinePopulation, Holes, CellSize, Linking, PatternID, GameSpeed;
  bool ShapeRandom, TimedGame;
  bool operator==(const TDialogState&) const = default;
};

TDialogState StateOf(const TDlgNewGame& dialog) {
  return {dialog.CurrentName(), dialog.SizeX(),     dialog.SizeY(),
          dialog.MinePopulation(), dialog.Holes(),  dialog.CellSize(),
          dialog.Linking(),     dialog.PatternID(), dialog.GameSpeed(),
          dialog.ShapeRandom(), dialog.TimedGame()};
}

}  // namespace

class Challenge : public ScoreScreen {
 protected:
  void SetUp() override {
    ScoreScreen::SetUp();
    Dialog->SetCurrentName("Ann");
    WriteScores({ListedGame("Cy", 400), ChallengedGame()});
    Repaint();
  }
  void ClickRow(int row, int x = -1) {
    const TScoreLayout layout = Main->ScoreLayout();
    Main->FormMouseMove(x < 0 ? Main->width() / 2 : x, RowTop(layout, row) + 4);
    Main->FormClick();
  }
};

TEST_F(Challenge, WithoutAGameOpensTheDialogWithTheListedSettings) {
  ClickRow(1);
  EXPECT_EQ(WarningsAsked, 0);
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_EQ(NameWhenShown, "Ann");
  EXPECT_EQ(SizeXWhenShown, 34);
  EXPECT_EQ(Dialog->SizeY(), 23);
  EXPECT_EQ(Dialog->MinePopulation(), 55);
  EXPECT_EQ(Dialog->Holes(), 25);
  EXPECT_EQ(Dialog->CellSize(), 34);
  EXPECT_EQ(Dialog->Linking(), 12);
  EXPECT_TRUE(Dialog->TimedGame());
  EXPECT_EQ(Dialog->GameSpeed(), 7);
  EXPECT_TRUE(Dialog->ShapeRandom());
  // Cancelled: the challenged record stays in LastGame.dat, whole.
  EXPECT_EQ(LastGameBytes(), RecordBytes(ChallengedGame()));
  EXPECT_EQ(Main->CurrentGame().PlayerName(), "Ann");
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_FALSE(Main->GameActive());
}

TEST_F(Challenge, TheChallengerKeepsTheirOwnName) {
  ClickRow(1);
  EXPECT_EQ(Dialog->CurrentName(), "Ann");
  Repaint();
  EXPECT_EQ(Main->CurrentGame().PlayerName(), "Ann");
}

TEST_F(Challenge, ConfirmingPlaysTheChallengedSettingsUnderOwnName) {
  AcceptDialog = true;
  ClickRow(1);
  ASSERT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
  EXPECT_EQ(Main->GameInPlay().SizeX, 34);
  EXPECT_EQ(Main->GameInPlay().SizeY, 23);
  EXPECT_EQ(Main->GameInPlay().PlayerName(), "Ann");
  // OK saved the dialog's own record over the challenged one.
  const QByteArray saved = LastGameBytes();
  ASSERT_EQ(saved.size(), 96);
  EXPECT_EQ(DecodeRecord(reinterpret_cast<const std::uint8_t*>(saved.constData())).PlayerName(), "Ann");
}

TEST_F(Challenge, ClickingInEitherMarginChallengesThatRow) {
  ClickRow(2, 1);  // Cy, far left
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_EQ(SizeXWhenShown, 15);
  ClickRow(1, Main->width() - 2);  // Bob, far right
  EXPECT_EQ(DialogsShown, 2);
  EXPECT_EQ(SizeXWhenShown, 34);
}

TEST_F(Challenge, PlaceholderRowOpensAPlainNewGame) {
  const TDialogState before = StateOf(*Dialog);
  ClickRow(6);
  EXPECT_EQ(Main->HoverRow(), 0);
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_EQ(StateOf(*Dialog), before);
  EXPECT_TRUE(LastGameBytes().isEmpty());
}

TEST_F(Challenge, ARowEmptiedSinceTheHoverIsNoChallenge) {
  const TScoreLayout layout = Main->ScoreLayout();
  Main->FormMouseMove(200, RowTop(layout, 1) + 4);
  ASSERT_EQ(Main->HoverRow(), 1);
  ASSERT_TRUE(QFile::remove(ScoresFile));
  Repaint();  // the list is all placeholders now
  Main->FormClick();
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_TRUE(LastGameBytes().isEmpty());
  EXPECT_EQ(Dialog->SizeX(), SizeXWhenShown);
  EXPECT_NE(SizeXWhenShown, 34);
}

// A saved name longer than a record holds: the game record keeps its first
// 16 characters, and that is the name the challenger plays on under. The
// saved names compare whole texts, so OK remembers the cut name as a new one.
TEST_F(Challenge, ALongSavedNameComesBackCutTo16Characters) {
  const QString longName = QStringLiteral("Alexandrina Wolfgang");  // 20 characters
  const QString cutName = longName.left(16);
  WriteWholeFile(SavedNamesFile, (longName + "\r\n").toLatin1());
  Dialog->SetCurrentName(longName);  // picked from the list, the box left
  StartGameThroughDialog();
  ASSERT_EQ(ReadWholeFile(SavedNamesFile), (longName + "\r\n").toLatin1());
  Main->BtnPauseClick();
  Repaint();
  ASSERT_EQ(Main->CurrentGame().PlayerName(), cutName.toStdString());
  AnswerYes = true;
  AcceptDialog = true;
  ClickRow(1);
  EXPECT_EQ(WarningsAsked, 1);
  EXPECT_EQ(NameWhenShown, cutName);
  EXPECT_EQ(Dialog->ComboBoxName->currentText(), cutName);
  EXPECT_EQ(ReadWholeFile(SavedNamesFile), (longName + "\r\n" + cutName + "\r\n").toLatin1());
  EXPECT_EQ(Main->GameInPlay().PlayerName(), cutName.toStdString());
  EXPECT_EQ(Main->GameInPlay().SizeX, 34);
}

class ChallengeDuringAGame : public Challenge {
 protected:
  void SetUp() override {
    Challenge::SetUp();
    StartGameThroughDialog();
    Main->BtnPauseClick();  // back to the scores, the game paused
    ASSERT_EQ(Main->ScreenShown(), ss_Scores);
    Repaint();
    DialogsShown = 0;
  }
};

TEST_F(ChallengeDuringAGame, AsksFirstAndNoChangesNothing) {
  const TDialogState dialogBefore = StateOf(*Dialog);
  const QByteArray lastGameBefore = LastGameBytes();
  const TGameRecord gameBefore = Main->GameInPlay();
  const int clockBefore = Main->Clock();
  AnswerYes = false;
  ClickRow(1);
  EXPECT_EQ(WarningsAsked, 1);
  EXPECT_EQ(LastWarning, "A game is in progress. Are you sure you want to start another now?");
  EXPECT_EQ(DialogsShown, 0);
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_EQ(StateOf(*Dialog), dialogBefore);
  EXPECT_EQ(LastGameBytes(), lastGameBefore);
  EXPECT_EQ(Main->GameInPlay(), gameBefore);
  EXPECT_EQ(Main->Clock(), clockBefore);
}

TEST_F(ChallengeDuringAGame, YesThenCancelReturnsToTheUntouchedGame) {
  const TGameRecord gameBefore = Main->GameInPlay();
  AnswerYes = true;
  ClickRow(1);
  EXPECT_EQ(WarningsAsked, 1);
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_EQ(SizeXWhenShown, 34);
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
  EXPECT_EQ(Main->GameInPlay(), gameBefore);
  EXPECT_EQ(LastGameBytes(), RecordBytes(ChallengedGame()));
}

TEST_F(ChallengeDuringAGame, YesThenOkAbandonsTheGameForTheChallenge) {
  AnswerYes = true;
  AcceptDialog = true;
  const QByteArray scoresBefore = ScoresBytes();
  ClickRow(1);
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->GameInPlay().SizeX, 34);
  EXPECT_EQ(ScoresBytes(), scoresBefore);  // the abandoned game is not recorded
}

TEST_F(ChallengeDuringAGame, ClickBesideTheRowsReturnsToTheGame) {
  const TScoreLayout layout = Main->ScoreLayout();
  Main->FormMouseMove(100, layout.Top);  // the heads
  Main->FormClick();
  EXPECT_EQ(WarningsAsked, 0);
  EXPECT_EQ(DialogsShown, 0);
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
}

TEST_F(Challenge, ClickBesideTheRowsWithoutAGameOpensTheDialog) {
  Main->FormMouseMove(100, Main->ScoreLayout().Top);
  Main->FormClick();
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_TRUE(LastGameBytes().isEmpty());
}

class PatternChallenge : public ScoreScreen {};

TEST_F(PatternChallenge, PatternGameReopensWithPatternShapesAndItsId) {
  const QStringList patterns = QDir("Patterns").entryList({"*.tes"}, QDir::Files, QDir::Name);
  if (patterns.isEmpty()) GTEST_SKIP() << "no shipped patterns";
  const int id = QFileInfo(patterns.last()).baseName().toInt();
  TGameRecord game = ListedGame("Bob", 700);
  game.PatternFlag = 1;
  game.PatternID = id;
  game.CellSize = 50;
  WriteScores({game});
  Dialog->SetCurrentName("Ann");
  Repaint();
  ASSERT_TRUE(Dialog->ShapeRandom());
  Main->FormMouseMove(200, RowTop(Main->ScoreLayout(), 1) + 4);
  Main->FormClick();
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_FALSE(Dialog->ShapeRandom());
  EXPECT_EQ(Dialog->PatternID(), id);
  // And a random-shape game afterwards brings random shapes back.
  WriteScores({ListedGame("Cy", 800)});
  Repaint();
  Main->FormMouseMove(200, RowTop(Main->ScoreLayout(), 1) + 4);
  Main->FormClick();
  EXPECT_TRUE(Dialog->ShapeRandom());
}
