#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "BoardTestSupport.h"

namespace {

int CountIf(const TBoard& board, bool (*rule)(const TAreaProperties&)) {
  int count = 0;
  for (const auto& area : board.Areas()) count += rule(*area);
  return count;
}
bool IsMine(const TAreaProperties& area) { return area.Mine; }
bool IsHole(const TAreaProperties& area) { return area.Hole; }

}  // namespace

TEST(PlainField, SevenBySevenHasFortyNineLabelledAreasOfTheSharedColour) {
  RandSeed(1);
  TBoard board;
  std::int32_t clock = -1, score = -1;
  board.Generate(PlainRecord(7, 7), clock, score);
  EXPECT_EQ(board.SizeX(), 7);
  EXPECT_EQ(board.SizeY(), 7);
  ASSERT_EQ(board.Areas().size(), 49u);
  std::set<const TAreaProperties*> distinct;
  for (int row = 1; row <= 7; ++row)
    for (int column = 1; column <= 7; ++column) {
      const TCellRec& cell = board.Cell(column, row);
      EXPECT_TRUE(cell.LabelCell);
      ASSERT_NE(cell.Area, nullptr);
      EXPECT_EQ(cell.Area->Colour, 0xAACCDDu);
      EXPECT_TRUE(cell.EdgeTop && cell.EdgeLeft && cell.EdgeBottom && cell.EdgeRight);
      distinct.insert(cell.Area);
    }
  EXPECT_EQ(distinct.size(), 49u);
  // Areas come in reading order.
  EXPECT_EQ(board.Areas()[8].get(), board.AreaAt(2, 2));
  EXPECT_EQ(clock, 0);
  EXPECT_EQ(score, 100);
  EXPECT_TRUE(board.FirstMove());
  EXPECT_EQ(board.ColourList()->Count, 0) << "a plain field picks no colours";
}

TEST(PlainField, ColouredWhenLinkingIsOn) {
  RandSeed(2);
  TBoard board;
  TGameRecord record = PlainRecord(4, 4);
  record.Linking = 1;  // round(16 x 0.01) = 0 merges, but the areas are coloured
  Generate(board, record);
  ASSERT_EQ(board.Areas().size(), 16u);
  EXPECT_EQ(board.ColourList()->Count, 16);
  for (const auto& area : board.Areas()) EXPECT_NE(area->Colour, 0xAACCDDu);
}

TEST(ShapedCells, CellSizeNinetyOnFifteenByFifteenMakesTwentyFiveAreas) {
  RandSeed(3);
  TBoard board;
  TGameRecord record = PlainRecord(15, 15);
  record.CellSize = 90;
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 25u);
  int labels = 0;
  for (int row = 1; row <= 15; ++row)
    for (int column = 1; column <= 15; ++column) labels += board.Cell(column, row).LabelCell;
  EXPECT_EQ(labels, 25);
  EXPECT_EQ(CountIf(board, IsHole), 0);
}

TEST(Linking, FiftyPercentOfAHundredAreasLeavesFifty) {
  RandSeed(4);
  TBoard board;
  TGameRecord record = PlainRecord(10, 10);
  record.Linking = 50;
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 50u);
}

TEST(Linking, AskingTooManyMergesLeavesThreeAreasButCountLessTwoStands) {
  TBoard board;
  TGameRecord record = PlainRecord(2, 2);  // 4 areas: round(3.6) = 4 > 2, so 1 merge
  record.Linking = 90;
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 3u);

  record = PlainRecord(5, 2);  // 10 areas: 8 merges = count - 2 is kept
  record.Linking = 80;
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 2u);

  record.Linking = 2000000000;  // absurd: lowered to count - 3
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 3u);
}

TEST(Linking, TooFewAreasOrNegativeSettingsMergeNothing) {
  TBoard board;
  TGameRecord record = PlainRecord(3, 1);
  record.Linking = 90;  // round(2.7) = 3 > 1 -> 0: nothing
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 3u);

  record = PlainRecord(6, 6);
  record.LinkThreshold = -1000;
  record.Linking = -500;
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 36u);
}

TEST(Mines, PopulationHundredOnTwoHundredTwentyFiveAreasPlacesFortyFive) {
  RandSeed(5);
  TBoard board;
  TGameRecord record = PlainRecord(15, 15);
  record.MinePopulation = 100;
  Generate(board, record);
  EXPECT_EQ(CountIf(board, IsMine), 45);
}

TEST(Mines, MoreMinesThanPlayableAreasFillsEveryPlayableArea) {
  RandSeed(6);
  TBoard board;
  TGameRecord record = PlainRecord(20, 20);
  record.MinePopulation = 2000000000;
  record.Holes = 100;
  Generate(board, record);
  const int holes = CountIf(board, IsHole);
  EXPECT_GT(holes, 0);
  EXPECT_EQ(CountIf(board, IsMine), 400 - holes);
  for (const auto& area : board.Areas()) EXPECT_NE(area->Mine, area->Hole);

  record.MinePopulation = -300;
  Generate(board, record);
  EXPECT_EQ(CountIf(board, IsMine), 0);
}

TEST(Mines, NumbersCountDistinctMineAreasIncludingATouchingSelf) {
  // Dominoes: a mine domino touches its own other cell and counts itself.
  TScratchDir dir;
  dir.WriteFile("Patterns/dominoes.tes", "5\nme\nDominoes\n\n0\n0\n2\n1\n2\n1\n11\n");
  RandSeed(7);
  TBoard board;
  TGameRecord record = PlainRecord(8, 6);
  record.PatternFlag = 1;
  record.PatternID = 5;
  record.MinePopulation = 200;
  Generate(board, record);
  ASSERT_EQ(board.Areas().size(), 24u);
  int mines = 0;
  for (const auto& area : board.Areas()) {
    EXPECT_EQ(area->MineCount, BruteMineCount(board, area.get()));
    if (area->Mine) {
      ++mines;
      EXPECT_GE(area->MineCount, 1);
    }
  }
  EXPECT_EQ(mines, 10);  // round(24 x 0.4) = round(9.6)

  // A one-cell mine does not count itself.
  RandSeed(8);
  record = PlainRecord(9, 9);
  record.MinePopulation = 6;  // round(81 x 0.012) = 1 mine
  Generate(board, record);
  for (const auto& area : board.Areas())
    if (area->Mine) {
      EXPECT_EQ(area->MineCount, 0);
    }
}

TEST(Clock, TimedFifteenByFifteenAtSpeedSevenGivesEightHundredTen) {
  TBoard board;
  TGameRecord record = PlainRecord(15, 15);
  record.TimedGame = 1;
  record.GameSpeed = 7;
  std::int32_t clock = 0, score = 0;
  board.Generate(record, clock, score);
  EXPECT_EQ(clock, 810);
  EXPECT_EQ(score, 100);

  record.GameSpeed = -2000000000;  // saturates instead of overflowing
  board.Generate(record, clock, score);
  EXPECT_EQ(clock, 2147483647);
}

TEST(DamagedRecord, SizesAreClampedIntoTheGrid) {
  TBoard board;
  TGameRecord record = PlainRecord(100000, -7);
  Generate(board, record);
  EXPECT_EQ(board.SizeX(), 148);
  EXPECT_EQ(board.SizeY(), 1);
  EXPECT_EQ(board.Areas().size(), 148u);

  record = PlainRecord(0, 2000000000);
  Generate(board, record);
  EXPECT_EQ(board.SizeX(), 1);
  EXPECT_EQ(board.SizeY(), 100);
}

TEST(DamagedRecord, ShapeSettingsOutOfRangeStillFillTheField) {
  TBoard board;
  TGameRecord record = PlainRecord(12, 9);
  record.ShapeThreshold = 0;
  record.CellSize = 1;  // asks for ten seeds per cell: one per cell
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 108u);

  record.CellSize = 2000000000;  // asks for no seed at all: one area
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 1u);

  record.ShapeThreshold = -50;
  record.CellSize = -20;  // meaningless: the smallest areas
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 108u);
}

TEST(DamagedRecord, HolesBeyondTheirRangeMakeEveryCellAHole) {
  TBoard board;
  TGameRecord record = PlainRecord(6, 6);
  record.Holes = 5000;
  record.MinePopulation = 100;
  Generate(board, record);
  EXPECT_EQ(CountIf(board, IsHole), 36);
  EXPECT_EQ(CountIf(board, IsMine), 0);
  EXPECT_TRUE(board.IsCleared());
}

TEST(ColourMemory, KeepsTwoHundredNinetyNineColoursAcrossGames) {
  RandSeed(9);
  TBoard board;
  EXPECT_TRUE(board.Areas().empty());
  EXPECT_FALSE(board.OneMark());
  ASSERT_NE(board.ColourList(), nullptr);
  EXPECT_EQ(board.ColourList()->Count, 0);

  TGameRecord record = PlainRecord(10, 10);
  record.Linking = 1;
  Generate(board, record);
  EXPECT_EQ(board.ColourList()->Count, 100);
  const TColour first = board.ColourList()->Items[0];
  Generate(board, record);
  EXPECT_EQ(board.ColourList()->Count, 200);
  EXPECT_EQ(board.ColourList()->Items[0], first);

  TBoardSteps::Start(board, 20, 20);
  for (int i = 200; i < 298; ++i) TBoardSteps::PickColour(board, true);
  EXPECT_EQ(board.ColourList()->Count, 298);
  const TColour c299 = TBoardSteps::PickColour(board, true);
  EXPECT_EQ(board.ColourList()->Count, 299);
  EXPECT_EQ(board.ColourList()->Items[298], c299);
  const TColour c300 = TBoardSteps::PickColour(board, true);
  EXPECT_EQ(board.ColourList()->Count, 299) << "the 300th colour is not remembered";
  EXPECT_NE(board.ColourList()->Items[299], c300);
}

TEST(ColourMemory, PickedColoursAreMidtonesAwayFromRememberedOnesOnSmallFields) {
  RandSeed(10);
  TBoard board;
  TBoardSteps::Start(board, 5, 5);
  for (int i = 0; i < 6; ++i) {
    const TColour colour = TBoardSteps::PickColour(board, false);
    const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    EXPECT_GT(r + g, 200);
    EXPECT_LT(r + g + b, 450);
    for (int k = 0; k < board.ColourList()->Count - 1; ++k) {
      const TColour c = board.ColourList()->Items[k];
      const double d = std::sqrt(2.0 * (r - RedOf(c)) * (r - RedOf(c)) +
                                 2.5 * (g - GreenOf(c)) * (g - GreenOf(c)) +
                                 1.0 * (b - BlueOf(c)) * (b - BlueOf(c)));
      EXPECT_GE(std::nearbyint(d), 40);
    }
  }
}

TEST(SmallerAfterLarger, OuterCellsAreLeftAsTheLargerFieldLeftThem) {
  TBoard board;
  Generate(board, PlainRecord(20, 20));
  const TCellRec outer = board.Cell(20, 20);
  Generate(board, PlainRecord(5, 5));
  EXPECT_EQ(board.Cell(20, 20).Area, outer.Area);  // untouched, never read
  EXPECT_EQ(board.Cell(20, 20).LabelCell, outer.LabelCell);
  EXPECT_EQ(board.Areas().size(), 25u);
}
