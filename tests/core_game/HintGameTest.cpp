#include <gtest/gtest.h>
#include "board/Random.h"
#include "game/Game.h"

namespace {

// A game on a plain field of 5 x 3 single squares, mines at (2, 1) and
// (4, 1). An uncover at (3, 3) opens the two lower rows:
//
//   row 1:  a * c * e
//   row 2:  1 1 2 1 1
//   row 3:  0 0 0 0 0
class HintInGame : public ::testing::Test {
 protected:
  void SetUp() override {
    TGameRecord record;
    record.SizeX = 5;
    record.SizeY = 3;
    record.MinePopulation = 40;
    record.CellSize = 10;
    record.ShapeThreshold = 10;
    RandSeed(25);
    Game.Start(record);
    std::vector<std::uint8_t> laid(Game.Board()->Areas().size(), 0);
    laid[Game.Board()->AreaNumberAt(2, 1)] = laid[Game.Board()->AreaNumberAt(4, 1)] = 1;
    Game.Board()->LayMines(laid);
  }
  TPlayResult Click(TPlayButton button, int column, int row) {
    Game.Press(button, column, row);
    return Game.Release(button, column, row);
  }
  std::int32_t AreaAt(int column, int row) const { return Game.Board()->AreaNumberAt(column, row); }

  TGame Game;
};

// The n-th hint that shows an area costs 10 x n; the cursor goes to it and
// its proof stays lit until the next action. A hint with nothing to show
// costs nothing and moves nothing.
TEST_F(HintInGame, CostsTenTimesItsCountMovesTheCursorAndLightsItsProofUntilTheNextAction) {
  THint hint = Game.Hint();
  EXPECT_EQ(hint.Kind, hk_None) << "nothing uncovered yet";
  EXPECT_EQ(Game.Score(), 100);
  EXPECT_EQ(Game.HintsUsed(), 0);
  EXPECT_FALSE(Game.Cursor().Shown());

  Click(pb_Left, 3, 3);
  ASSERT_EQ(Game.Score(), 105);
  hint = Game.Hint();  // from the last area played, (3, 3): c is nearest
  ASSERT_EQ(hint.Kind, hk_Safe);
  EXPECT_EQ(hint.Area, AreaAt(3, 1));
  EXPECT_EQ(Game.Score(), 95);
  EXPECT_TRUE(Game.Cursor().Shown());
  EXPECT_EQ(Game.Cursor().Column(), 3);
  EXPECT_EQ(Game.Cursor().Row(), 1);
  EXPECT_EQ(Game.Board()->CursorArea(), Game.Board()->AreaAt(3, 1));
  EXPECT_EQ(Game.Board()->ProofAreas(), hint.Proof);
  ASSERT_FALSE(hint.Proof.empty());
  for (const std::int32_t a : hint.Proof) EXPECT_TRUE(Game.Board()->Areas()[a]->Proof);

  Game.MoveCursor(cm_Left);  // looking round keeps the proof
  EXPECT_EQ(Game.Board()->ProofAreas(), hint.Proof);
  Game.MoveCursor(cm_Right);
  EXPECT_EQ(Game.Hint().Area, AreaAt(3, 1));
  EXPECT_EQ(Game.Score(), 75);
  EXPECT_EQ(Game.HintsUsed(), 2);

  EXPECT_EQ(Game.PlayAtCursor(ca_Uncover), pr_Uncovered);
  EXPECT_TRUE(Game.Board()->ProofAreas().empty());
  for (const std::int32_t a : hint.Proof) EXPECT_FALSE(Game.Board()->Areas()[a]->Proof);

  // A wrong mark is shown before the safe areas left, wherever it is.
  Click(pb_Right, 5, 1);
  hint = Game.Hint();
  EXPECT_EQ(hint.Kind, hk_WrongMark);
  EXPECT_EQ(hint.Area, AreaAt(5, 1));
  EXPECT_EQ(Game.Score(), 80 - 30);
  EXPECT_EQ(Game.Cursor().Column(), 5);
  Click(pb_Right, 5, 1);  // taken off: the proof goes with the action
  EXPECT_TRUE(Game.Board()->ProofAreas().empty());
}

// With the safe areas open the mines are shown, and once they are marked
// there is nothing left to prove; a game that is over gives no hint.
TEST_F(HintInGame, ShowsTheMinesLastAndNothingOnceTheGameIsOver) {
  Click(pb_Left, 3, 3);
  for (const int column : {1, 3, 5}) Click(pb_Left, column, 1);
  THint hint = Game.Hint();
  ASSERT_EQ(hint.Kind, hk_Mine);
  Click(pb_Right, 2, 1);
  Click(pb_Right, 4, 1);
  const std::int32_t score = Game.Score();
  EXPECT_EQ(Game.Hint().Kind, hk_None);
  EXPECT_EQ(Game.Score(), score);
  ASSERT_TRUE(Game.TakeSuccess());
  EXPECT_EQ(Game.Hint().Kind, hk_None);
  EXPECT_EQ(Game.HintsUsed(), 1);
}

}  // namespace
