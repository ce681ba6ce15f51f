#include "WindowFixture.h"
#include "game/Scoring.h"
#include "support/WindowParts.h"

// The window's share of the scoring: the first-move grace, the loss, the
// time bonus and the time-out.

TEST_F(WindowTest, FirstUncoverOnAMineMarksItAndCostsHalfTheScore) {
  StartSeededGame({.MinePopulation = 100}, 7);
  const TCell mine = AMine();
  Click(Qt::LeftButton, mine);
  EXPECT_TRUE(AreaOf(mine)->Marked);
  EXPECT_EQ(Main->Score(), 50);
  EXPECT_EQ(Main->Clock(), 0);  // an untimed clock is not charged
  EXPECT_TRUE(Main->GameActive());
  EXPECT_TRUE(Messages.empty());
}

TEST_F(WindowTest, FirstUncoverOnAMineInATimedGameAlsoCostsTwoSeconds) {
  StartSeededGame({.MinePopulation = 100, .Timed = true, .GameSpeed = 7}, 7);
  ASSERT_EQ(Main->Clock(), 810);
  Click(Qt::LeftButton, AMine());
  EXPECT_EQ(Main->Score(), 50);
  EXPECT_EQ(Main->Clock(), 790);
}

TEST_F(WindowTest, AMineGoingOffTakesAFifthOfTheScoreAndEndsTheGame) {
  StartSeededGame({.MinePopulation = 100}, 8);
  Click(Qt::LeftButton, ACoveredSafeArea());
  ASSERT_EQ(Main->Score(), 105);
  Click(Qt::LeftButton, AMine());
  EXPECT_EQ(Main->Score(), 84);
  EXPECT_FALSE(Main->GameActive());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You tripped the minefield!");
  EXPECT_EQ(LastScore().Score, 84);
  EXPECT_EQ(DialogsShown, 2);  // the next game is offered
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
}

TEST_F(WindowTest, EveryMineIsShownWhenTheGameIsLost) {
  StartSeededGame({.MinePopulation = 100}, 8);
  Click(Qt::LeftButton, ACoveredSafeArea());
  WhileMessageShown = [this] {
    EXPECT_EQ(CountAreas([](const TAreaProperties& a) { return a.Mine && !a.Exposed; }), 0);
    EXPECT_EQ(Main->ScreenShown(), ss_Game);
  };
  Click(Qt::LeftButton, AMine());
  EXPECT_EQ(Messages.size(), 1u);
}

TEST_F(WindowTest, SafeUncoverInATimedGameEarnsTheTimeBonus) {
  StartSeededGame({.MinePopulation = 80, .Timed = true, .GameSpeed = 7}, 11);
  const std::int32_t clock = Main->Clock();
  Click(Qt::LeftButton, ACoveredSafeArea());
  EXPECT_EQ(Main->Clock(), clock + 23);  // round(23 x 80 x 80 / 6400)
  EXPECT_EQ(Main->Score(), 110);
}

TEST_F(WindowTest, TimeOutStoresAClockOfMinusOneWithItsMessage) {
  StartSeededGame({.Timed = true}, 12);
  Main->Game().SetScore(123);
  Main->Game().SetClock(1);
  Main->Tick();
  EXPECT_EQ(Main->Clock(), 0);
  EXPECT_TRUE(Main->GameActive());
  Main->Tick();
  EXPECT_FALSE(Main->GameActive());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You ran out of time!");
  EXPECT_EQ(LastScore().Clock, -1);
  EXPECT_EQ(LastScore().Score, 123);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 00:00");
}

TEST_F(WindowTest, ADefusedMinesPenaltyBelowZeroEndsTheGameOnTheNextTick) {
  StartSeededGame({.MinePopulation = 100, .Timed = true}, 13);
  Main->Game().SetClock(10);
  Click(Qt::LeftButton, AMine());
  EXPECT_EQ(Main->Clock(), -10);
  EXPECT_TRUE(Main->GameActive());
  Main->Tick();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You ran out of time!");
  EXPECT_EQ(LastScore().Clock, -11);
}

TEST_F(WindowTest, AMineGoingOffIsNeverCalledATimeOut) {
  // With the clock at zero or below after a defused mine, a mine that then
  // goes off before the next tick is still a tripped minefield.
  StartSeededGame({.MinePopulation = 100, .Timed = true}, 13);
  Main->Game().SetClock(10);
  Click(Qt::LeftButton, AMine());
  ASSERT_LT(Main->Clock(), 1);
  Click(Qt::LeftButton, AMine());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You tripped the minefield!");

  // Nor in an untimed game whose first tenth has not yet passed.
  Messages.clear();
  StartSeededGame({.MinePopulation = 100}, 14);
  const TCell safe = FirstCell(CoveredSafe);
  Press(Qt::LeftButton, safe);
  Press(Qt::RightButton, safe);
  Release(Qt::RightButton, safe);  // a tint ends the grace
  Release(Qt::LeftButton, QPoint(0, 0));
  ASSERT_EQ(Main->Clock(), 0);
  Click(Qt::LeftButton, AMine());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You tripped the minefield!");
}

TEST_F(WindowTest, PauseStopsTheCountdownAndResumeContinuesIt) {
  StartSeededGame({.Timed = true}, 15);
  Main->Tick();
  Main->Tick();
  const std::int32_t clock = Main->Clock();
  Key(Qt::Key_F3);
  for (int i = 0; i < 5; ++i) Main->Tick();
  EXPECT_EQ(Main->Clock(), clock);
  Key(Qt::Key_F3);
  Main->Tick();
  EXPECT_EQ(Main->Clock(), clock - 1);
}
