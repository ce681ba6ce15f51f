#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include "WindowFixture.h"
#include "core_board/BoardTestSupport.h"
#include "scores/ScoreTable.h"
#include "support/WindowParts.h"

// The rows of the window's state table: which screen, whether a game is
// active, whether the timer runs, the pause button and the timer interval.
namespace {
struct TState {
  TScreenShown Screen;
  bool GameActive;
  bool Ticking;
  bool PauseEnabled;
  int Interval;  // 0: the timer is stopped
};

TState StateOf(const TMainForm& form) {
  return {form.ScreenShown(), form.GameActive(), form.Ticking(), BtnPause(&form)->isEnabled(),
          TimerTick(&form)->isActive() ? TimerTick(&form)->interval() : 0};
}

void ExpectState(const TMainForm& form, const TState& want, const char* situation) {
  const TState got = StateOf(form);
  EXPECT_EQ(got.Screen, want.Screen) << situation;
  EXPECT_EQ(got.GameActive, want.GameActive) << situation;
  EXPECT_EQ(got.Ticking, want.Ticking) << situation;
  EXPECT_EQ(got.PauseEnabled, want.PauseEnabled) << situation;
  EXPECT_EQ(got.Interval, want.Interval) << situation;
}
}  // namespace

TEST_F(WindowTest, StartsOnTheScoreScreenWithNoGameAndNoBoard) {
  ExpectState(*Main, {ss_Scores, false, true, false, 30}, "after start");
  EXPECT_TRUE(Main->windowTitle().endsWith(" : Scores"));
  EXPECT_TRUE(Main->windowTitle().startsWith("Quorlane v1.0.1 "));
  EXPECT_FALSE(Main->Board());
  EXPECT_FALSE(Main->Creating());
  EXPECT_EQ(Main->PulseCount(), 24);
  EXPECT_EQ(Main->NumLifelines(), 0);
  EXPECT_FALSE(Main->ShowPlayerOnly());
  EXPECT_TRUE(Main->ScoreScreen()->isVisible());
  EXPECT_FALSE(SpeedButtonLifeline(Main)->isEnabled());
  EXPECT_EQ(MenuView(Main)->text(), "View Game");
  EXPECT_EQ(MenuPauseResume(Main)->text(), "Pause");
}

TEST_F(WindowTest, WindowStartsAtItsDesignSizeCentredWithItsMinimum) {
  EXPECT_EQ(Main->size(), QSize(478, 511));
  EXPECT_EQ(Main->minimumSize(), QSize(400, 300));
  EXPECT_EQ(Main->font().family(), "Tahoma");
  EXPECT_EQ(Main->font().pointSize(), 8);
  EXPECT_TRUE(Main->hasMouseTracking());
}

TEST_F(WindowTest, EveryRowOfTheStateTableIsReachedInTurn) {
  WhileDialogShown = [this] {
    ExpectState(*Main, {ss_Scores, Main->GameActive(), false, false, 0}, "dialog open");
  };
  StartGame();
  ExpectState(*Main, {ss_Game, true, true, true, 100}, "game in play");
  EXPECT_TRUE(Main->windowTitle().endsWith(" : Play"));
  EXPECT_EQ(MenuView(Main)->text(), "View Scores");
  EXPECT_FALSE(Main->ScoreScreen()->isVisible());
  EXPECT_TRUE(SpeedButtonLifeline(Main)->isEnabled());

  Key(Qt::Key_F3);
  ExpectState(*Main, {ss_Scores, true, true, true, 30}, "paused");
  Key(Qt::Key_F3);
  ExpectState(*Main, {ss_Game, true, true, true, 100}, "resumed");

  WhileMessageShown = [this] {
    ExpectState(*Main, {ss_Game, false, true, true, 30}, "end message shown");
  };
  Main->Game().SetClock(0);
  Main->Game().SetScore(1);
  Main->LoseGame();
  ExpectState(*Main, {ss_Scores, false, true, true, 30}, "finished game, dialog cancelled");
}

TEST_F(WindowTest, PauseWithNoGameOpensTheNewGameDialog) {
  Main->BtnPauseClick();
  EXPECT_EQ(DialogsShown, 1);
  Key(Qt::Key_F3);
  EXPECT_EQ(DialogsShown, 2);
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
}

TEST_F(WindowTest, ClickOnTheScoreScreenTogglesBackToThePausedGame) {
  StartGame();
  Key(Qt::Key_F3);
  ASSERT_EQ(Main->ScreenShown(), ss_Scores);
  Main->ScoreScreen()->SetHoverRow(0);
  Main->FormClick();
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
  EXPECT_EQ(DialogsShown, 1);
}

TEST_F(WindowTest, CancelDuringAGameReturnsToItsScreenWithTheClockRunning) {
  StartGame();
  Key(Qt::Key_F3);  // paused on the score screen first
  Key(Qt::Key_Return);
  EXPECT_EQ(DialogsShown, 2);
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
  EXPECT_TRUE(Main->Ticking());
  EXPECT_TRUE(BtnPause(Main)->isEnabled());
  EXPECT_EQ(TimerTick(Main)->interval(), 100);
}

TEST_F(WindowTest, ViewScoresStopsTheTimerAndF6DoesNot) {
  Key(Qt::Key_F6);  // no game: nothing
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_TRUE(Main->Ticking());

  StartGame();
  Key(Qt::Key_F6);
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_TRUE(Main->Ticking());

  Key(Qt::Key_F3);
  Main->MenuViewClick();
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_FALSE(Main->Ticking());
  EXPECT_EQ(MenuPauseResume(Main)->text(), "Resume");
}

TEST_F(WindowTest, BossKeyShowsTheScoresAndMinimisesEveryWindow) {
  StartGame();
  About->ShowNonModal();
  ASSERT_TRUE(About->isVisible());
  Key(Qt::Key_F2);
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_TRUE(Main->isMinimized());
  EXPECT_TRUE(About->isMinimized());
  EXPECT_FALSE(Dialog->isVisible());  // hidden windows stay hidden
  const std::int32_t clock = Main->Clock();
  Main->Tick();
  EXPECT_EQ(Main->Clock(), clock);
}

TEST_F(WindowTest, MinimisedGameGoesToTheScoresOnTheNextTick) {
  StartGame();
  Main->showMinimized();
  ASSERT_TRUE(Main->isMinimized());
  const std::int32_t clock = Main->Clock();
  Main->Tick();
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  EXPECT_EQ(Main->Clock(), clock);
  EXPECT_TRUE(Main->GameActive());
}

TEST_F(WindowTest, SettersCompareFirst) {
  StartGame();
  // Setting the screen it already shows must not lay the field out again.
  TBoardSteps::SetCellWidth(*Main->Board(), -7);
  Main->SetScreenShown(ss_Game);
  EXPECT_EQ(Main->Board()->CellWidth(), -7);
  Main->SetScreenShown(ss_Scores);
  EXPECT_NE(Main->Board()->CellWidth(), -7);

  Main->SetTicking(false);
  MenuPauseResume(Main)->setText("marker");
  Main->SetTicking(false);
  EXPECT_EQ(MenuPauseResume(Main)->text(), "marker");
}

TEST_F(WindowTest, PublishedPropertiesReadTheState) {
  StartGame();
  EXPECT_EQ(Main->property("ScreenShown").toInt(), int(ss_Game));
  EXPECT_TRUE(Main->property("GameActive").toBool());
  EXPECT_TRUE(Main->property("Ticking").toBool());
  EXPECT_EQ(Main->property("NumLifelines").toInt(), 2);
  EXPECT_FALSE(Main->property("UsingLifeline").toBool());
  EXPECT_EQ(Main->property("Score").toInt(), 100);
  EXPECT_EQ(Main->property("Clock").toInt(), 0);
}

TEST_F(WindowTest, ClosingDuringAGameEndsWithoutARecord) {
  StartGame();
  Key(Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(Main->isVisible());
  EXPECT_FALSE(Main->Board());
  EXPECT_FALSE(TimerTick(Main)->isActive());
  EXPECT_EQ(RecordsInScores(), 0);
  EXPECT_TRUE(Messages.empty());
}
