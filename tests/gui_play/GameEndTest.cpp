#include <cmath>
#include "WindowFixture.h"
#include "game/Scoring.h"
#include "support/WindowParts.h"

// Success: every mine marked and nothing else, announced with its bonuses.
class SuccessTest : public WindowTest {
 protected:
  void MarkEveryMine() {
    for (TCell mine : OneCellPerMine()) {
      if (!Main->GameActive()) return;
      Click(Qt::RightButton, mine);
    }
  }
  int Unexplored() const {
    return CountAreas([](const TAreaProperties& a) {
      return !a.Mine && !a.Marked && !a.Hole && !a.Uncovered;
    });
  }
};

TEST_F(SuccessTest, MarkingEveryMineWinsWithTheUnexploredBonus) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 60}, 21);
  const std::vector<TCell> mines = OneCellPerMine();
  ASSERT_GE(mines.size(), 2u);
  for (std::size_t i = 0; i + 1 < mines.size(); ++i) Click(Qt::RightButton, mines[i]);
  ASSERT_TRUE(Main->GameActive());
  const int u = Unexplored();
  const int bonus = int(std::nearbyint(8.0L * std::pow((long double)u, 1.5L)));
  WhileMessageShown = [this] {
    EXPECT_FALSE(Main->GameActive());
    EXPECT_EQ(Main->Board()->Hovered(), nullptr);
  };
  Click(Qt::RightButton, mines.back());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], QString("Success!! You cleared the minefield!\n\rBonus for leaving %1 "
                                 "unexplored cells: %2.")
                             .arg(u)
                             .arg(bonus));
  EXPECT_EQ(Main->Score(), 100 + bonus);
  EXPECT_EQ(LabelScore(Main)->text(), QString::number(100 + bonus));
  EXPECT_EQ(LastScore().Score, 100 + bonus);
  EXPECT_EQ(RecordsInScores(), 1);
  EXPECT_EQ(DialogsShown, 2);
}

TEST_F(SuccessTest, TimedSuccessAddsTheTimeLeftBonus) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 80, .Timed = true}, 22);
  const std::vector<TCell> mines = OneCellPerMine();
  for (std::size_t i = 0; i + 1 < mines.size(); ++i) Click(Qt::RightButton, mines[i]);
  Main->Game().SetClock(810);
  const int u = Unexplored();
  const int bonus = UnexploredBonus(u);
  Click(Qt::RightButton, mines.back());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], QString("Success!! You cleared the minefield!\n\rBonus for leaving %1 "
                                 "unexplored cells: %2.\n\rBonus for time left (81 seconds): 129.")
                             .arg(u)
                             .arg(bonus));
  EXPECT_EQ(Main->Score(), 100 + bonus + 129);
  EXPECT_EQ(LastScore().Clock, 810);
}

TEST_F(SuccessTest, UncoveringEverySafeAreaStillCarriesAZeroBonusLine) {
  StartSeededGame({.Columns = 8, .Rows = 8, .MinePopulation = 60}, 23);
  for (TCell cell : Cells([](const TAreaProperties& a) { return !a.Mine && !a.Hole; }))
    if (!AreaOf(cell)->Uncovered) Click(Qt::LeftButton, cell);
  ASSERT_TRUE(Main->GameActive());
  MarkEveryMine();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].endsWith("Bonus for leaving 0 unexplored cells: 0."));
}

TEST_F(SuccessTest, AWrongMarkBlocksSuccessUntilItIsRemoved) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 60}, 24);
  const TCell wrong = ACoveredSafeArea();
  Click(Qt::RightButton, wrong);
  MarkEveryMine();
  EXPECT_TRUE(Main->GameActive());
  EXPECT_TRUE(Messages.empty());
  const std::int32_t score = Main->Score();
  Click(Qt::RightButton, wrong);
  EXPECT_FALSE(Main->GameActive());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(LastScore().Score, score - 20 + UnexploredBonus(Unexplored()));
}

TEST_F(SuccessTest, AFieldWithoutMinesIsWonByTheFirstUncover) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 0}, 25);
  ASSERT_EQ(CountAreas([](const TAreaProperties& a) { return a.Mine; }), 0);
  EXPECT_TRUE(Main->GameActive());  // starting it does not win it
  Click(Qt::LeftButton, ACoveredSafeArea());
  EXPECT_FALSE(Main->GameActive());
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].startsWith("Success!! You cleared the minefield!\n\r"));
}

TEST_F(SuccessTest, AFieldWithoutMinesIsWonByTheFirstTint) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 0}, 26);
  const TCell cell = ACoveredSafeArea();
  Press(Qt::LeftButton, cell);
  Press(Qt::RightButton, cell);
  Release(Qt::RightButton, cell);
  EXPECT_FALSE(Main->GameActive());
  EXPECT_EQ(Messages.size(), 1u);
  Release(Qt::LeftButton, cell);  // the game is over: nothing more
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_EQ(RecordsInScores(), 1);
}

TEST_F(SuccessTest, TheBonusesFollowTheirTables) {
  EXPECT_EQ(UnexploredBonus(0), 0);
  EXPECT_EQ(UnexploredBonus(1), 8);
  EXPECT_EQ(UnexploredBonus(2), 23);
  EXPECT_EQ(UnexploredBonus(4), 64);
  EXPECT_EQ(UnexploredBonus(100), 8000);
  EXPECT_EQ(TimeLeftBonus(810, 80), 129);
}
