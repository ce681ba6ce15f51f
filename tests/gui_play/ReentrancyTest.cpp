#include "WindowFixture.h"
#include "support/WindowParts.h"

// The end of a game runs message boxes and the new game dialog in nested
// loops; what they start must not be touched by the handler that ended the
// old game.
TEST_F(WindowTest, ANewGameStartedFromTheLossDialogIsLeftAlone) {
  StartSeededGame({.MinePopulation = 100}, 51);
  Click(Qt::LeftButton, ACoveredSafeArea());
  // The next game has no mines: a success test on it would win it at once.
  AnswerDialog = ChooseSettings({.Columns = 9, .Rows = 9, .MinePopulation = 0});
  Click(Qt::LeftButton, AMine());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->ScreenShown(), ss_Game);
  EXPECT_EQ(Main->Board()->SizeX(), 9);
  EXPECT_EQ(Main->Score(), 100);
  EXPECT_EQ(Main->NumLifelines(), 2);
  EXPECT_EQ(RecordsInScores(), 1);
}

TEST_F(WindowTest, ANewGameStartedFromTheTimeOutDialogKeepsItsClock) {
  StartSeededGame({.Timed = true}, 52);
  AnswerDialog = ChooseSettings({.Columns = 15, .Rows = 15, .Timed = true, .GameSpeed = 7});
  Main->Game().SetClock(0);
  Main->Tick();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->Clock(), 810);
  EXPECT_EQ(LabelTimeB(Main)->text(), " 01:21");
  Main->Tick();
  EXPECT_EQ(Main->Clock(), 809);
  EXPECT_EQ(Messages.size(), 1u);
}

TEST_F(WindowTest, TicksDuringTheEndMessageLeaveTheClockAlone) {
  StartSeededGame({.MinePopulation = 100}, 53);
  Main->Tick();
  std::int32_t during = -1;
  WhileMessageShown = [this, &during] {
    const std::int32_t clock = Main->Clock();
    for (int i = 0; i < 5; ++i) Main->Tick();
    during = Main->Clock() - clock;
    EXPECT_EQ(TimerTick(Main)->interval(), 30);
  };
  Click(Qt::LeftButton, ACoveredSafeArea());
  Click(Qt::LeftButton, AMine());
  EXPECT_EQ(during, 0);
  EXPECT_EQ(LastScore().Clock, 1);
}

TEST_F(WindowTest, ANewGameRequestWhileTheDialogIsOpenIsIgnored) {
  WhileDialogShown = [this] {
    WhileDialogShown = nullptr;
    Main->BtnNewGameClick();
  };
  Main->BtnNewGameClick();
  EXPECT_EQ(DialogsShown, 1);
}

TEST_F(WindowTest, ANewGameFromTheSuccessDialogIsLeftAlone) {
  StartSeededGame({.Columns = 9, .Rows = 9, .MinePopulation = 0}, 54);
  AnswerDialog = ChooseSettings({.Columns = 9, .Rows = 9, .MinePopulation = 0});
  const TCell cell = ACoveredSafeArea();
  Press(Qt::LeftButton, cell);
  Press(Qt::RightButton, cell);
  Release(Qt::RightButton, cell);  // the tint wins the mineless field
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Main->GameActive());  // the next one, not yet won
  Release(Qt::LeftButton, QPoint(0, 0));
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_EQ(RecordsInScores(), 1);
}
