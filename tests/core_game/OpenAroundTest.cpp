#include <gtest/gtest.h>
#include "board/Random.h"
#include "game/Game.h"

namespace {

struct TAt {
  int Column = 0;
  int Row = 0;
};

// A game on a plain field laid by hand: single-square areas, mines where a
// test puts them.
class OpenAround : public ::testing::Test {
 protected:
  void Lay(int columns, int rows, const std::vector<TAt>& mines, bool timed = false) {
    TGameRecord record;
    record.SizeX = columns;
    record.SizeY = rows;
    record.MinePopulation = 80;  // with speed 7, a bonus of 23 tenths
    record.GameSpeed = 7;
    record.CellSize = 10;
    record.ShapeThreshold = 10;
    record.TimedGame = timed ? 1 : 0;
    RandSeed(25);
    Game.Start(record);
    Game.SetOpenAround(true);
    std::vector<std::uint8_t> laid(Board().Areas().size(), 0);
    for (const TAt& mine : mines) laid[Board().AreaNumberAt(mine.Column, mine.Row)] = 1;
    Board().LayMines(laid);
  }
  TBoard& Board() { return *Game.Board(); }
  const TAreaProperties& At(TAt at) { return *Board().AreaAt(at.Column, at.Row); }
  TPlayResult Click(TPlayButton button, TAt at) {
    Game.Press(button, at.Column, at.Row);
    return Game.Release(button, at.Column, at.Row);
  }
  int Covered() {
    int covered = 0;
    for (const TAreaRef& area : Board().Areas()) covered += !area->Uncovered && !area->Marked;
    return covered;
  }

  TGame Game;
};

// A wrong mark lets a mine go off: the game is lost there, the uncovers
// before it count and nothing after it is uncovered, though the rest of
// the chord would have uncovered every safe area left. Round (2, 2) the
// board walks left, upper left, lower left, right, upper right, lower
// right, above, below.
TEST_F(OpenAround, AWrongMarkLetsTheMineGoOffAndNothingAfterItIsUncovered) {
  Lay(3, 3, {{1, 1}});
  ASSERT_EQ(Click(pb_Left, {2, 2}), pr_Uncovered);  // shows 1
  Click(pb_Right, {3, 3});                          // a wrong mark
  ASSERT_EQ(Game.Score(), 105);
  EXPECT_EQ(Click(pb_Middle, {2, 2}), pr_Lost);
  EXPECT_TRUE(At({1, 2}).Uncovered);
  EXPECT_EQ(Game.Score(), 110 * 4 / 5);
  EXPECT_FALSE(At({1, 1}).Marked) << "the mine went off";
  for (const TAt after : std::vector<TAt>{{1, 3}, {3, 2}, {3, 1}, {2, 1}, {2, 3}})
    EXPECT_FALSE(At(after).Uncovered) << after.Column << "," << after.Row;
  Game.Lose();
  EXPECT_FALSE(Game.TakeSuccess()) << "a lost game stays lost";
}

// An armed lifeline covers every mine the chord meets, each at the grace's
// price, and is spent once.
TEST_F(OpenAround, AnArmedLifelineCoversTheWholeChordAndIsSpentOnce) {
  Lay(3, 3, {{1, 1}, {3, 3}});
  Click(pb_Left, {2, 2});  // shows 2
  Click(pb_Right, {1, 3});
  Click(pb_Right, {3, 1});
  Game.ToggleLifeline();
  EXPECT_EQ(Click(pb_Left, {2, 2}), pr_Uncovered);
  // 105; (1, 2) 110; (1, 1) 110 x 4 div 5 - 30 = 58; (3, 2) 63; (3, 3) 63 x 4 div 5 - 30 = 20; (2, 1) 25; (2, 3) 30.
  EXPECT_EQ(Game.Score(), 30);
  EXPECT_TRUE(At({1, 1}).Marked);
  EXPECT_TRUE(At({3, 3}).Marked);
  EXPECT_EQ(Covered(), 0);
  EXPECT_EQ(Game.NumLifelines(), 1);
  EXPECT_FALSE(Game.UsingLifeline());
  EXPECT_FALSE(Board().Lifeline());
}

// Nothing opens, nothing is scored and no lifeline is spent where the marks
// do not match the number, on a 0 (here one whose marked neighbour was
// unmarked after the flood), on an area not uncovered, or with the option
// off. Only marks that do not match make the covered, unmarked areas flash.
TEST_F(OpenAround, OpensNothingWhereItShouldNotAndFlashesWhereTheMarksDoNotMatch) {
  struct TStep {
    TPlayButton Button;
    TAt At;
  };
  struct TCase {
    const char* What;
    std::vector<TStep> Steps;  // after (2, 2), a 1, is uncovered
    TAt Chord;
    bool Option;
    int Flashing;
  };
  const TCase cases[] = {
      {"no mark beside a 1", {}, {2, 2}, true, 8},
      {"two marks beside a 1", {{pb_Right, {1, 1}}, {pb_Right, {3, 3}}}, {2, 2}, true, 6},
      {"a 0", {{pb_Right, {3, 2}}, {pb_Left, {3, 3}}, {pb_Right, {3, 2}}}, {3, 3}, true, 0},
      {"a covered area", {{pb_Right, {1, 1}}}, {1, 3}, true, 0},
      {"a marked area", {{pb_Right, {1, 1}}}, {1, 1}, true, 0},
      {"the option off", {{pb_Right, {1, 1}}}, {2, 2}, false, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    Lay(3, 3, {{1, 1}});
    Click(pb_Left, {2, 2});
    for (const TStep& step : c.Steps) Click(step.Button, step.At);
    Game.SetOpenAround(c.Option);
    Game.ToggleLifeline();
    const int covered = Covered();
    const std::int32_t score = Game.Score();
    EXPECT_EQ(Game.OpenAroundAt(c.Chord.Column, c.Chord.Row), pr_Nothing);
    EXPECT_EQ(Click(pb_Middle, c.Chord), pr_Nothing);
    EXPECT_EQ(Covered(), covered);
    EXPECT_EQ(Game.Score(), score);
    EXPECT_EQ(Game.NumLifelines(), 2);
    EXPECT_TRUE(Game.UsingLifeline());
    EXPECT_EQ(int(Board().FlashAreas().size()), c.Flashing);
    for (const std::int32_t a : Board().FlashAreas()) {
      EXPECT_FALSE(Board().Areas()[a]->Uncovered);
      EXPECT_FALSE(Board().Areas()[a]->Marked);
    }
  }
  // The flash ends by itself after a few ticks.
  Lay(3, 3, {{1, 1}});
  Click(pb_Left, {2, 2});
  Click(pb_Middle, {2, 2});
  ASSERT_TRUE(Board().Animating());
  for (int tick = 0; tick < 6; ++tick) Board().StepFlash();
  EXPECT_TRUE(Board().FlashAreas().empty());
  EXPECT_FALSE(Board().Animating());
  for (const TAreaRef& area : Board().Areas()) EXPECT_FALSE(area->Flashing);
}

// Each area the chord uncovers earns what a left click on it earns, timed
// bonus included; a 0 among them floods as a click's would, the flood's
// areas earning nothing; and a chord that clears the field wins it.
//
//   row 1:  * N . . .    (N shows 1; the mine is marked)
//   rows 2 and 3 empty
TEST_F(OpenAround, EachAreaScoresAsAClickAndAZeroFloods) {
  for (const bool timed : {false, true}) {
    SCOPED_TRACE(timed ? "timed" : "untimed");
    Lay(5, 3, {{1, 1}}, timed);
    Click(pb_Left, {2, 1});
    Click(pb_Right, {1, 1});
    const std::int32_t score = Game.Score(), clock = Game.Clock();
    // (1, 2) shows 1, (3, 1) shows 0 and floods the rest; (3, 2) and (2, 2) are open by then.
    EXPECT_EQ(Click(pb_Left, {2, 1}), pr_Uncovered);
    EXPECT_EQ(Covered(), 0);
    EXPECT_EQ(Game.Score(), score + 2 * (timed ? 10 : 5));
    EXPECT_EQ(Game.Clock(), clock + (timed ? 2 * 23 : 0));
    EXPECT_TRUE(Game.TakeSuccess());
  }
}

}  // namespace
