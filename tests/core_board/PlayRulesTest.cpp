#include <gtest/gtest.h>

#include "BoardTestSupport.h"

namespace {

struct TPlay {
  std::int32_t Score = 100;
  std::int32_t Clock = 0;
};

bool Uncover(TBoard& board, TPlay& play, int column, int row, bool timed = false, int bonus = 0) {
  return board.Uncover(column, row, bonus, play.Score, play.Clock, timed);
}

}  // namespace

TEST(FirstMoveGrace, AMineUncoveredFirstBecomesAMarkAtHalfTheScoreLessThirty) {
  TBoard board;
  FieldWithMines(board, 5, 5, {{1, 1}, {5, 5}});
  TPlay play;
  EXPECT_FALSE(Uncover(board, play, 1, 1));
  EXPECT_TRUE(board.AreaAt(1, 1)->Marked);
  EXPECT_TRUE(board.AreaAt(1, 1)->Changed);
  EXPECT_FALSE(board.AreaAt(1, 1)->Uncovered);
  EXPECT_EQ(play.Score, 50);
  EXPECT_FALSE(board.FirstMove());
  EXPECT_TRUE(Uncover(board, play, 5, 5)) << "the grace is spent";
  EXPECT_FALSE(board.AreaAt(5, 5)->Marked);
  EXPECT_EQ(play.Score, 50);
}

TEST(FirstMoveGrace, InATimedGameAlsoCostsTwoSeconds) {
  TBoard board;
  FieldWithMines(board, 5, 5, {{3, 3}});
  TPlay play{100, 500};
  EXPECT_FALSE(Uncover(board, play, 3, 3, true, 23));
  EXPECT_EQ(play.Clock, 480);
  EXPECT_EQ(play.Score, 50);
}

TEST(FirstMoveGrace, ScoresMayGoNegative) {
  TBoard board;
  FieldWithMines(board, 3, 3, {{2, 2}});
  TPlay play{7, 0};
  Uncover(board, play, 2, 2);
  EXPECT_EQ(play.Score, -25);  // 28 div 5 - 30
}

TEST(SafeUncover, TimedGamesEarnTheBonusAndTenUntimedFive) {
  TBoard board;
  FieldWithMines(board, 6, 6, {{1, 1}, {6, 6}});
  TPlay play{100, 300};
  EXPECT_FALSE(Uncover(board, play, 3, 3, true, 23));  // opens most of the field
  EXPECT_EQ(play.Clock, 323);
  EXPECT_EQ(play.Score, 110);
  EXPECT_TRUE(board.AreaAt(6, 1)->Uncovered);
  EXPECT_FALSE(Uncover(board, play, 3, 3, true, 23)) << "already open: ignored";
  EXPECT_EQ(play.Score, 110);

  FieldWithMines(board, 6, 6, {{1, 1}, {1, 2}, {2, 1}, {2, 2}});
  TPlay untimed;
  Uncover(board, untimed, 6, 6);
  EXPECT_EQ(untimed.Score, 105);
  EXPECT_EQ(untimed.Clock, 0);
}

TEST(Lifeline, TurnsAMineIntoAMarkOnlyWhileSet) {
  TBoard board;
  FieldWithMines(board, 5, 5, {{1, 1}, {5, 5}});
  TPlay play;
  Uncover(board, play, 3, 1);  // the first move, safe
  ASSERT_FALSE(board.FirstMove());
  board.SetLifeline(true);
  EXPECT_EQ(board.HoverColour(), 0x88FF88u);
  EXPECT_FALSE(Uncover(board, play, 1, 1));
  EXPECT_TRUE(board.AreaAt(1, 1)->Marked);
  EXPECT_EQ(play.Score, (105 * 4) / 5 - 30);
  EXPECT_TRUE(board.Lifeline()) << "the window clears the lifeline, not the board";
  board.SetLifeline(false);
  EXPECT_EQ(board.HoverColour(), clWhite);
  const std::int32_t before = play.Score;
  EXPECT_TRUE(Uncover(board, play, 5, 5));
  EXPECT_FALSE(board.AreaAt(5, 5)->Marked);
  EXPECT_EQ(play.Score, before);
}

TEST(Uncover, OffTheFieldHolesMarksAndOpenAreasAreIgnored) {
  TBoard board;
  FieldWithMines(board, 4, 4, {{4, 4}});
  board.AreaAt(2, 2)->Hole = true;
  TPlay play;
  board.ToggleMark(3, 3, play.Score);
  for (const auto& [column, row] : std::vector<std::pair<int, int>>{{0, 1}, {5, 1}, {1, -3}, {1, 5}, {2, 2}, {3, 3}})
    EXPECT_FALSE(Uncover(board, play, column, row));
  EXPECT_TRUE(board.FirstMove()) << "ignored actions keep the grace";
  EXPECT_EQ(play.Score, 100);
  EXPECT_FALSE(board.AreaAt(2, 2)->Uncovered);
}

TEST(Uncover, OneCellOfANineCellAreaOpensAllNine) {
  TScratchDir dir;
  dir.WriteFile("Patterns/squares.tes", "9\nx\nSquares\n\n0\n0\n3\n3\n3\n3\n111\n111\n111\n");
  TBoard board;
  TGameRecord record = PlainRecord(6, 6);
  record.PatternFlag = 1;
  record.PatternID = 9;
  Generate(board, record);
  ASSERT_EQ(board.Areas().size(), 4u);
  board.AreaAt(6, 6)->Mine = true;
  TBoardSteps::CountMines(board);
  TPlay play;
  Uncover(board, play, 3, 1);
  for (int row = 1; row <= 3; ++row)
    for (int column = 1; column <= 3; ++column) EXPECT_TRUE(board.AreaAt(column, row)->Uncovered);
  EXPECT_FALSE(board.AreaAt(4, 4)->Uncovered) << "the top-left square touches the mine square";
  EXPECT_EQ(board.AreaAt(1, 1)->MineCount, 1);
}

TEST(Flood, StopsAtMarksAndGoesOnOnceTheMarkIsTakenOff) {
  TBoard board;
  FieldWithMines(board, 6, 1, {{6, 1}});  // numbers 0 0 0 0 1 (mine)
  TPlay play;
  board.ToggleMark(3, 1, play.Score);  // a wrong mark on a safe zero
  Uncover(board, play, 1, 1);
  EXPECT_TRUE(board.AreaAt(2, 1)->Uncovered);
  EXPECT_TRUE(board.AreaAt(3, 1)->Marked);
  EXPECT_FALSE(board.AreaAt(3, 1)->Uncovered);
  EXPECT_FALSE(board.AreaAt(4, 1)->Uncovered);
  board.ToggleMark(6, 1, play.Score);
  EXPECT_FALSE(board.IsCleared()) << "a safe area is marked";
  board.ToggleMark(3, 1, play.Score);
  EXPECT_TRUE(board.IsCleared());
  // The next uncover anywhere lets the earlier zero flood through.
  EXPECT_FALSE(board.AreaAt(3, 1)->Uncovered);
  Uncover(board, play, 5, 1);
  EXPECT_TRUE(board.AreaAt(3, 1)->Uncovered);
  EXPECT_TRUE(board.AreaAt(4, 1)->Uncovered);
  EXPECT_FALSE(board.AreaAt(6, 1)->Uncovered) << "the flood never opens a mine";
}

TEST(Marks, MarkingAndUnmarkingCostsTwentyAndKeepsTheGrace) {
  TBoard board;
  FieldWithMines(board, 3, 3, {{1, 1}});
  TPlay play;
  board.ToggleMark(2, 2, play.Score);
  EXPECT_TRUE(board.AreaAt(2, 2)->Marked);
  EXPECT_EQ(play.Score, 100);
  board.AreaAt(2, 2)->Changed = false;
  board.ToggleMark(2, 2, play.Score);
  EXPECT_FALSE(board.AreaAt(2, 2)->Marked);
  EXPECT_TRUE(board.AreaAt(2, 2)->Changed);
  EXPECT_EQ(play.Score, 80);
  EXPECT_TRUE(board.FirstMove());
  board.ToggleMark(0, 0, play.Score);  // off the field: nothing
  Uncover(board, play, 3, 3);
  board.ToggleMark(3, 3, play.Score);  // uncovered: nothing
  EXPECT_FALSE(board.AreaAt(3, 3)->Marked);
}

TEST(Cleared, WhenTheMarksAreExactlyTheMines) {
  TBoard board;
  Generate(board, PlainRecord(4, 4));
  EXPECT_TRUE(board.IsCleared()) << "no mines: cleared at once";
  FieldWithMines(board, 4, 4, {{1, 1}, {4, 4}});
  TPlay play;
  board.ToggleMark(1, 1, play.Score);
  EXPECT_FALSE(board.IsCleared());
  board.ToggleMark(4, 4, play.Score);
  EXPECT_TRUE(board.IsCleared()) << "covered safe areas may remain";
  EXPECT_EQ(board.UnexploredCount(), 14);
  Uncover(board, play, 2, 3);
  EXPECT_LT(board.UnexploredCount(), 14);
}

TEST(Tint, ColoursTheAreaForGoodAndEndsTheGraceEvenOffTheField) {
  TBoard board;
  FieldWithMines(board, 3, 3, {{1, 1}});
  board.AreaAt(2, 2)->Changed = false;
  board.Tint(2, 2);
  EXPECT_EQ(board.AreaAt(2, 2)->Colour, 0x444470u);
  EXPECT_FALSE(board.AreaAt(2, 2)->Changed);
  EXPECT_FALSE(board.FirstMove());

  FieldWithMines(board, 3, 3, {{1, 1}});
  board.Tint(40, 40);
  EXPECT_FALSE(board.FirstMove());
  TPlay play;
  EXPECT_TRUE(Uncover(board, play, 1, 1)) << "no grace left";
}

TEST(RevealMines, ExposesEveryMineAndDrawsOnlyThem) {
  TBoard board;
  FieldWithMines(board, 4, 4, {{1, 1}, {3, 2}});
  board.LayOut(400, 400, 0);
  TRecordingCanvas canvas;
  board.PaintChanged(canvas);  // the fresh field is all changed
  EXPECT_EQ(canvas.Fills.size(), 16u);
  canvas.Reset();
  TPlay play;
  board.ToggleMark(1, 1, play.Score);
  board.AreaAt(1, 1)->Changed = false;
  board.RevealMines(canvas);
  EXPECT_TRUE(board.AreaAt(1, 1)->Exposed);
  EXPECT_TRUE(board.AreaAt(3, 2)->Exposed);
  EXPECT_FALSE(board.AreaAt(2, 2)->Exposed);
  ASSERT_EQ(canvas.Texts.size(), 2u);
  for (const auto& text : canvas.Texts) {
    EXPECT_EQ(text.Text, "<mine>");
    EXPECT_EQ(text.Font.Colour, clRed) << "a marked mine shows red once exposed";
  }
}
