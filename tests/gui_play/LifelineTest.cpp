#include <QToolButton>
#include "WindowFixture.h"
#include "support/WindowParts.h"

class LifelineTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartSeededGame({.MinePopulation = 100}, 31);
    // Spend the first-move grace on a safe area, so a mine would go off.
    Click(Qt::LeftButton, ACoveredSafeArea());
    ASSERT_FALSE(Main->Board()->FirstMove());
  }
};

TEST_F(LifelineTest, EveryGameStartsWithTwoLifelinesTheButtonUpAndAHundredPoints) {
  SpeedButtonLifeline(Main)->click();
  Main->SetNumLifelines(0);
  StartGame();
  EXPECT_EQ(Main->NumLifelines(), 2);
  EXPECT_EQ(LabelNumLifelines(Main)->text(), "2");
  EXPECT_FALSE(Main->UsingLifeline());
  EXPECT_FALSE(SpeedButtonLifeline(Main)->isChecked());
  EXPECT_FALSE(Main->Board()->Lifeline());
  EXPECT_EQ(Main->Score(), 100);
  EXPECT_EQ(LabelScore(Main)->text(), "100");
}

TEST_F(LifelineTest, ArmingTurnsTheHoverGreenAndASecondClickDisarms) {
  SpeedButtonLifeline(Main)->click();
  EXPECT_TRUE(Main->UsingLifeline());
  EXPECT_TRUE(SpeedButtonLifeline(Main)->isChecked());
  EXPECT_TRUE(Main->Board()->Lifeline());
  EXPECT_EQ(Main->Board()->HoverColour(), TColour(0x88FF88));
  SpeedButtonLifeline(Main)->click();
  EXPECT_FALSE(Main->UsingLifeline());
  EXPECT_FALSE(SpeedButtonLifeline(Main)->isChecked());
  EXPECT_EQ(Main->Board()->HoverColour(), clWhite);
}

TEST_F(LifelineTest, WithNoneLeftTheButtonCannotStayDown) {
  Main->SetNumLifelines(0);
  EXPECT_EQ(LabelNumLifelines(Main)->text(), "0");
  SpeedButtonLifeline(Main)->click();
  EXPECT_FALSE(Main->UsingLifeline());
  EXPECT_FALSE(SpeedButtonLifeline(Main)->isChecked());
}

TEST_F(LifelineTest, AnArmedUncoverOnAMineMarksItAndTheGameGoesOn) {
  const std::int32_t score = Main->Score();
  SpeedButtonLifeline(Main)->click();
  const TCell mine = AMine();
  Click(Qt::LeftButton, mine);
  EXPECT_TRUE(AreaOf(mine)->Marked);
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(Main->Score(), score * 4 / 5 - 30);
  EXPECT_EQ(Main->NumLifelines(), 1);
  EXPECT_FALSE(Main->UsingLifeline());
  EXPECT_FALSE(SpeedButtonLifeline(Main)->isChecked());
  EXPECT_FALSE(Main->Board()->Lifeline());
}

TEST_F(LifelineTest, AnArmedUncoverOnASafeAreaSpendsItForTheNormalPoints) {
  const std::int32_t score = Main->Score();
  SpeedButtonLifeline(Main)->click();
  Click(Qt::LeftButton, ACoveredSafeArea());
  EXPECT_EQ(Main->Score(), score + 5);
  EXPECT_EQ(Main->NumLifelines(), 1);
  EXPECT_FALSE(Main->UsingLifeline());
}

TEST_F(LifelineTest, MarkingTintingAndPausingKeepItArmed) {
  SpeedButtonLifeline(Main)->click();
  const TCell cell = ACoveredSafeArea();
  Click(Qt::RightButton, cell);
  Click(Qt::RightButton, cell);
  Press(Qt::LeftButton, cell);
  Press(Qt::RightButton, cell);
  Release(Qt::RightButton, cell);
  Release(Qt::LeftButton, QPoint(0, 0));
  Key(Qt::Key_F3);
  EXPECT_FALSE(SpeedButtonLifeline(Main)->isEnabled());
  Main->SetUsingLifeline(false);  // only the game screen arms and disarms
  Key(Qt::Key_F3);
  EXPECT_TRUE(Main->UsingLifeline());
  EXPECT_TRUE(SpeedButtonLifeline(Main)->isChecked());
  EXPECT_EQ(Main->NumLifelines(), 2);
}

TEST_F(LifelineTest, TwoLifelinesSurviveTwoMinesAndTheThirdGoesOff) {
  for (int i = 0; i < 2; ++i) {
    SpeedButtonLifeline(Main)->click();
    Click(Qt::LeftButton, AMine());
    ASSERT_TRUE(Main->GameActive());
  }
  EXPECT_EQ(Main->NumLifelines(), 0);
  SpeedButtonLifeline(Main)->click();
  EXPECT_FALSE(Main->UsingLifeline());
  Click(Qt::LeftButton, AMine());
  EXPECT_FALSE(Main->GameActive());
  EXPECT_EQ(Messages.size(), 1u);
}
