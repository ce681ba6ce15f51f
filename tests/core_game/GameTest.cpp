#include <functional>
#include <limits>
#include <gtest/gtest.h>
#include "board/Random.h"
#include "game/Game.h"
#include "game/Scoring.h"

namespace {

struct TSpot {
  int Column = 0;
  int Row = 0;
};

TGameRecord Settings(bool timed) {
  TGameRecord record;
  record.SizeX = 12;
  record.SizeY = 10;
  record.MinePopulation = 30;
  record.CellSize = 10;
  record.ShapeThreshold = 10;
  record.GameSpeed = 7;
  record.TimedGame = timed ? 1 : 0;
  return record;
}

// A game of single-square areas on a seeded field.
class GameRules : public ::testing::Test {
 protected:
  void Begin(bool timed = false) {
    RandSeed(20261209);
    Game.Start(Settings(timed));
  }

  TSpot Find(const std::function<bool(const TAreaProperties&)>& wanted) const {
    const TBoard& board = *Game.Board();
    for (int row = 1; row <= board.SizeY(); ++row)
      for (int column = 1; column <= board.SizeX(); ++column)
        if (const TAreaProperties* area = board.AreaAt(column, row); area && wanted(*area))
          return {column, row};
    ADD_FAILURE() << "no such area";
    return {1, 1};
  }
  TSpot Mine() const { return Find([](const TAreaProperties& a) { return a.Mine && !a.Marked; }); }
  TSpot Safe() const {
    return Find([](const TAreaProperties& a) { return !a.Mine && !a.Hole && !a.Uncovered; });
  }
  TPlayResult Click(TPlayButton button, TSpot at) {
    Game.Press(button, at.Column, at.Row);
    return Game.Release(button, at.Column, at.Row);
  }
  // Marks every mine, which clears the field.
  void MarkEveryMine() {
    for (const TAreaRef& area : Game.Board()->Areas())
      if (area->Mine && !area->Marked) Click(pb_Right, Find([&](const TAreaProperties& a) { return &a == area.get(); }));
  }

  TGame Game;
};

TEST_F(GameRules, APressAndAReleaseCountOnlyOnOneArea) {
  Begin();
  const TSpot safe = Safe();
  const TSpot other = Find([&](const TAreaProperties& a) {
    return !a.Hole && &a != Game.Board()->AreaAt(safe.Column, safe.Row);
  });
  Game.Press(pb_Left, safe.Column, safe.Row);
  EXPECT_EQ(Game.Release(pb_Left, other.Column, other.Row), pr_Nothing);
  EXPECT_FALSE(Game.LeftDown());
  EXPECT_TRUE(Game.Board()->FirstMove());

  // Both buttons down on one area tint it, whichever comes up first.
  Game.Press(pb_Left, safe.Column, safe.Row);
  Game.Press(pb_Right, safe.Column, safe.Row);
  EXPECT_EQ(Game.Release(pb_Right, safe.Column, safe.Row), pr_Tinted);
  EXPECT_FALSE(Game.LeftDown());
  EXPECT_FALSE(Game.RightDown());
  EXPECT_FALSE(Game.Board()->AreaAt(safe.Column, safe.Row)->Uncovered);

  EXPECT_EQ(Click(pb_Left, safe), pr_Uncovered);
  EXPECT_TRUE(Game.Board()->AreaAt(safe.Column, safe.Row)->Uncovered);
}

TEST_F(GameRules, AMineAfterTheFirstMoveLosesAFifthOfTheScore) {
  Begin();
  Click(pb_Left, Safe());
  const std::int32_t before = Game.Score();
  EXPECT_EQ(Click(pb_Left, Mine()), pr_Lost);
  EXPECT_EQ(Game.Score(), ScoreAfterExplosion(before));
  EXPECT_FALSE(Game.Lose());  // a mine, not the clock
  EXPECT_FALSE(Game.Active());
  EXPECT_FALSE(Game.TakeSuccess());  // a lost field stays lost
  EXPECT_EQ(Game.FinishedRecord().Score, Game.Score());
}

TEST_F(GameRules, AnArmedLifelineSavesOneUncoverAndIsSpentEvenOnASafeArea) {
  Begin();
  Click(pb_Left, Safe());
  EXPECT_EQ(Game.NumLifelines(), TGame::LifelinesPerGame);
  Game.ToggleLifeline();
  EXPECT_EQ(Click(pb_Left, Mine()), pr_Uncovered);
  EXPECT_TRUE(Game.Active());
  EXPECT_EQ(Game.NumLifelines(), 1);
  EXPECT_FALSE(Game.UsingLifeline());
  EXPECT_FALSE(Game.Board()->Lifeline());

  Game.ToggleLifeline();
  Click(pb_Left, Safe());
  EXPECT_EQ(Game.NumLifelines(), 0);
  Game.ToggleLifeline();  // none left: nothing to arm
  EXPECT_FALSE(Game.UsingLifeline());
}

TEST_F(GameRules, ATimedGameIsLostWhenTheClockFallsBelowZero) {
  Begin(true);
  Game.SetClock(1);
  EXPECT_FALSE(Game.TickClock());
  EXPECT_EQ(Game.Clock(), 0);
  EXPECT_TRUE(Game.TickClock());
  EXPECT_TRUE(Game.Lose());
  EXPECT_FALSE(Game.TickClock());  // the clock stops with the game

  // The time-out is told once: the next game's mine is a mine.
  Begin(true);
  Click(pb_Left, Safe());
  EXPECT_EQ(Click(pb_Left, Mine()), pr_Lost);
  EXPECT_FALSE(Game.Lose());
}

TEST_F(GameRules, AnUntimedClockCountsUpToThe32BitLimit) {
  Begin();
  Game.SetClock(std::numeric_limits<std::int32_t>::max() - 1);
  Game.TickClock();
  Game.TickClock();
  EXPECT_EQ(Game.Clock(), std::numeric_limits<std::int32_t>::max());
  EXPECT_TRUE(Game.Active());
}

TEST_F(GameRules, ClearingTheFieldEarnsTheBonusesOnce) {
  Begin(true);
  Click(pb_Left, Safe());
  MarkEveryMine();
  Game.SetClock(905);
  const std::int32_t before = Game.Score();
  const std::optional<TSuccess> success = Game.TakeSuccess();
  ASSERT_TRUE(success);
  EXPECT_FALSE(Game.Active());
  EXPECT_EQ(success->UnexploredBonus, UnexploredBonus(success->Unexplored));
  EXPECT_EQ(success->TimeLeftBonus, TimeLeftBonus(905, 30));
  EXPECT_EQ(Game.Score(), before + success->UnexploredBonus + success->TimeLeftBonus);
  EXPECT_FALSE(Game.TakeSuccess());
  const TGameRecord& finished = Game.FinishedRecord();
  EXPECT_EQ(finished.Score, Game.Score());
  EXPECT_EQ(finished.Clock, 905);
}

TEST_F(GameRules, AStartKeepsACleanCopyOfTheSettingsAndRenewsTheLifelines) {
  TGameRecord damaged = Settings(false);
  damaged.TimedGame = 7;
  damaged.Reserved80[3] = 0xAB;
  damaged.Score = 555;
  Begin();
  Game.ToggleLifeline();
  Game.SetNumLifelines(0);
  const std::uint32_t serial = Game.Serial();
  Game.Start(damaged);
  EXPECT_EQ(Game.Serial(), serial + 1);
  EXPECT_EQ(Game.InPlay().TimedGame, 1);
  EXPECT_EQ(Game.InPlay().Reserved80[3], 0);
  EXPECT_EQ(Game.NumLifelines(), TGame::LifelinesPerGame);
  EXPECT_FALSE(Game.UsingLifeline());
  EXPECT_EQ(Game.PressedArea(), nullptr);
  EXPECT_TRUE(Game.Active());
}

TEST_F(GameRules, TheKeyboardCursorStaysOnTheFieldAndPlaysAsTheClicksDo) {
  Begin();
  // Hidden until the first key, which only shows it on the centre.
  EXPECT_EQ(Game.PlayAtCursor(ca_Uncover), pr_Nothing);
  EXPECT_TRUE(Game.Cursor().Shown());
  EXPECT_EQ(Game.Cursor().Column(), 6);
  EXPECT_EQ(Game.Cursor().Row(), 5);
  EXPECT_EQ(Game.Board()->CursorArea(), Game.Board()->AreaAt(6, 5));
  EXPECT_TRUE(Game.Board()->FirstMove());

  for (TCursorMove move : {cm_RowStart, cm_Left, cm_ColumnTop, cm_Up}) Game.MoveCursor(move);
  EXPECT_EQ(Game.Cursor().Column(), 1);
  EXPECT_EQ(Game.Cursor().Row(), 1);
  for (TCursorMove move : {cm_RowEnd, cm_Right, cm_ColumnBottom, cm_Down, cm_Left, cm_Up}) Game.MoveCursor(move);
  EXPECT_EQ(Game.Cursor().Column(), 11);
  EXPECT_EQ(Game.Cursor().Row(), 9);

  // Each action is the click it stands for, at the cursor's area; none
  // while a mouse button is held.
  const TSpot safe = Safe();
  while (Game.Cursor().Column() != safe.Column)
    Game.MoveCursor(Game.Cursor().Column() < safe.Column ? cm_Right : cm_Left);
  while (Game.Cursor().Row() != safe.Row) Game.MoveCursor(Game.Cursor().Row() < safe.Row ? cm_Down : cm_Up);
  const TAreaProperties& area = *Game.Board()->AreaAt(safe.Column, safe.Row);
  EXPECT_EQ(Game.PlayAtCursor(ca_Tint), pr_Tinted);
  EXPECT_FALSE(Game.LeftDown() || Game.RightDown());
  EXPECT_EQ(Game.PlayAtCursor(ca_Mark), pr_Marked);
  EXPECT_TRUE(area.Marked);
  EXPECT_EQ(Game.PlayAtCursor(ca_Mark), pr_Marked);
  Game.Press(pb_Right, safe.Column, safe.Row);
  EXPECT_EQ(Game.PlayAtCursor(ca_Uncover), pr_Nothing);
  Game.Release(pb_Right, safe.Column % 12 + 1, safe.Row);  // off the area: no mark
  EXPECT_EQ(Game.PlayAtCursor(ca_Uncover), pr_Uncovered);
  EXPECT_TRUE(area.Uncovered);

  // A new field hides the cursor; the next key shows it on the centre again.
  Game.HideCursor();
  EXPECT_EQ(Game.Board()->CursorArea(), nullptr);
  Game.Start(Settings(false));
  EXPECT_FALSE(Game.Cursor().Shown());
  Game.MoveCursor(cm_Down);
  EXPECT_EQ(Game.Cursor().Row(), 5);
}

}  // namespace
