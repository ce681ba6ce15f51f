#include <gtest/gtest.h>

#include <limits>

#include "BoardTestSupport.h"

namespace {

const char* BrickFile =
    "101\nTile workshop\nBricks\nHorizontal dominoes, every other row shifted by one\n"
    "0\n0\n3\n2\n2\n2\n11.\n.22\n";

TGameRecord PatternRecord(int sizeX, int sizeY, int regNo) {
  TGameRecord record = PlainRecord(sizeX, sizeY);
  record.PatternFlag = 1;
  record.PatternID = regNo;
  return record;
}

// Lays a pattern on an empty field the way Generate does, without the
// holes, links and mines that follow.
void LayPattern(TBoard& board, int sizeX, int sizeY, const TTess& pattern) {
  TBoardSteps::Start(board, sizeX, sizeY);
  TBoardSteps::ApplyPattern(board, pattern, sizeX * sizeY > 300);
  TBoardSteps::FillUnassigned(board);
  TBoardSteps::Finish(board);
}

void ExpectOneLabelPerArea(const TBoard& board) {
  for (const auto& area : board.Areas()) {
    int labels = 0;
    for (const auto& [column, row] : CellsOf(board, area.get()))
      labels += board.Cell(column, row).LabelCell;
    if (!area->Hole || area->CellCount > 0) {
      EXPECT_EQ(labels, 1);
    }
  }
}

}  // namespace

TEST(BrickPattern, SevenBySevenKeepsTwentyEightAreasWhereTheTileLaysThem) {
  TScratchDir dir;
  dir.WriteFile("Patterns/bricks.tes", BrickFile);
  RandSeed(11);
  TBoard board;
  Generate(board, PatternRecord(7, 7, 101));
  ASSERT_EQ(board.Areas().size(), 28u);
  EXPECT_EQ(board.ColourList()->Count, 72) << "all 72 areas made take a colour";

  // Copy (tx, ty) lays its first brick at columns 2tx+1..2tx+2 of row
  // 2ty+1 and its second at columns 2tx+2..2tx+3 of row 2ty+2; the areas
  // stay in the order the copies made them.
  std::vector<std::vector<std::pair<int, int>>> expected;
  auto brick = [&](int left, int row) {
    std::vector<std::pair<int, int>> cells;
    for (int column = left; column <= left + 1; ++column)
      if (column >= 1 && column <= 7 && row >= 1 && row <= 7) cells.emplace_back(column, row);
    if (!cells.empty()) expected.push_back(cells);
  };
  for (int tx = -1; tx <= 4; ++tx)
    for (int ty = -1; ty <= 4; ++ty) {
      brick(2 * tx + 1, 2 * ty + 1);
      brick(2 * tx + 2, 2 * ty + 2);
    }
  ASSERT_EQ(expected.size(), 28u);
  for (std::size_t i = 0; i < 28; ++i) {
    EXPECT_EQ(CellsOf(board, board.Areas()[i].get()), expected[i]) << "area " << i;
    EXPECT_EQ(board.Areas()[i]->CellCount, int(expected[i].size()));
    EXPECT_FALSE(board.Areas()[i]->Hole);
  }
  // Spot checks of the layout: row 1 starts with a domino, row 2 with a
  // single cell, and column 7 of odd rows is a single cell.
  EXPECT_EQ(board.AreaAt(1, 1), board.AreaAt(2, 1));
  EXPECT_NE(board.AreaAt(1, 2), board.AreaAt(2, 2));
  EXPECT_EQ(board.AreaAt(2, 2), board.AreaAt(3, 2));
  EXPECT_EQ(CellsOf(board, board.AreaAt(7, 3)).size(), 1u);
  // Edges follow the bricks: the join inside a domino has no bevel.
  EXPECT_FALSE(board.Cell(1, 1).EdgeRight);
  EXPECT_FALSE(board.Cell(2, 1).EdgeLeft);
  EXPECT_TRUE(board.Cell(2, 1).EdgeRight);
  ExpectOneLabelPerArea(board);
  EXPECT_TRUE(board.Cell(1, 1).LabelCell);
  EXPECT_FALSE(board.Cell(2, 1).LabelCell);
}

TEST(PatternLookup, AMissingPatternFallsBackToRandomShapes) {
  TScratchDir dir;  // no Patterns directory at all
  TBoard board;
  Generate(board, PatternRecord(7, 7, 999));
  EXPECT_EQ(board.Areas().size(), 49u);
  for (const auto& area : board.Areas()) EXPECT_FALSE(area->Hole);

  TGameRecord record = PatternRecord(15, 15, -1);  // -1 is also the reader's default number
  record.CellSize = 90;
  Generate(board, record);
  EXPECT_EQ(board.Areas().size(), 25u);
}

TEST(PatternLookup, AZeroOrNegativeStepMakesEveryCellAHole) {
  TBoard board;
  for (const int step : {0, -1, -2000000000}) {
    TTess pattern = PatternFromRows(1, step, 1, {"0"});
    LayPattern(board, 6, 5, pattern);
    ASSERT_EQ(board.Areas().size(), 30u);
    for (const auto& area : board.Areas()) EXPECT_TRUE(area->Hole);
    pattern = PatternFromRows(1, 1, step, {"0"});
    LayPattern(board, 6, 5, pattern);
    for (const auto& area : board.Areas()) EXPECT_TRUE(area->Hole);
  }
}

TEST(DamagedPattern, HugeStepsLayOnlyTheCopyAtTheOrigin) {
  TBoard board;
  const int huge = std::numeric_limits<std::int32_t>::max();
  LayPattern(board, 5, 4, PatternFromRows(1, huge, huge, {"0"}));
  ASSERT_EQ(board.Areas().size(), 20u);
  EXPECT_FALSE(board.AreaAt(1, 1)->Hole);
  EXPECT_EQ(board.Areas()[0].get(), board.AreaAt(1, 1));
  EXPECT_TRUE(board.AreaAt(2, 1)->Hole);
}

TEST(DamagedPattern, HugeOrNegativeTileSizesStayInsideTheTileGrid) {
  TBoard board;
  TTess pattern = PatternFromRows(1, 1, 1, {"0"});
  pattern.Width = std::numeric_limits<std::int32_t>::max();
  pattern.Height = std::numeric_limits<std::int32_t>::max();
  LayPattern(board, 30, 20, pattern);  // every copy: one single and 14799 holes
  EXPECT_EQ(board.Areas().size(), 600u);
  for (int row = 1; row <= 20; ++row)
    for (int column = 1; column <= 30; ++column) ASSERT_NE(board.AreaAt(column, row), nullptr);

  pattern.Width = -5;
  pattern.Height = -5;
  LayPattern(board, 30, 20, pattern);
  EXPECT_EQ(board.Areas().size(), 600u);
  for (const auto& area : board.Areas()) EXPECT_TRUE(area->Hole);
}

TEST(DamagedPattern, ShortRowsGiveTheirMissingPositionsHolesOfTheirOwnCopy) {
  // The row "1" is shorter than the tile's width 2: its second position is
  // a hole, and the copy numbers it as its own area, so no brick of the
  // next copy turns into a hole and no number runs past the list.
  TBoard board;
  TTess pattern = PatternFromRows(2, 2, 1, {"1"});
  ASSERT_EQ(pattern.AreasPerTile, 1);
  LayPattern(board, 8, 2, pattern);
  ASSERT_EQ(board.Areas().size(), 16u);
  for (int row = 1; row <= 2; ++row)
    for (int column = 1; column <= 8; ++column)
      EXPECT_EQ(board.AreaAt(column, row)->Hole, column % 2 == 0) << column << "," << row;
  ExpectOneLabelPerArea(board);
}

TEST(DamagedPattern, GroupCodesAboveTheGroupCountMakeAreasOfTheirCopy) {
  TBoard board;
  TTess pattern = PatternFromRows(3, 3, 1, {"151"});
  pattern.GroupCount = 1;  // understates the 5
  pattern.AreasPerTile = 0;
  LayPattern(board, 9, 2, pattern);
  ASSERT_EQ(board.Areas().size(), 12u);
  EXPECT_EQ(board.AreaAt(1, 1), board.AreaAt(3, 1));
  EXPECT_NE(board.AreaAt(1, 1), board.AreaAt(2, 1));
  for (const auto& area : board.Areas()) EXPECT_FALSE(area->Hole);
  ExpectOneLabelPerArea(board);
}

TEST(DamagedPattern, AnAreaPerTileCountThatWrappedCannotOverrunTheNumbers) {
  // 296 one-cell codes in one copy: the record's count wraps to 40.
  TBoard board;
  std::string row(148, '0');
  TTess pattern = PatternFromRows(148, 148, 2, {row, row});
  ASSERT_EQ(pattern.AreasPerTile, 296 % 256);
  LayPattern(board, 148, 4, pattern);
  EXPECT_EQ(board.Areas().size(), 148u * 4);
  for (const auto& area : board.Areas()) EXPECT_FALSE(area->Hole);
}

TEST(OverlappingCopies, ALaterCopyWinsAndAnAreaLeftWithoutCellsIsDropped) {
  // Dominoes every column: each copy takes over the right half of the one
  // before, so every cell ends as a one-cell area that was given two cells.
  TBoard board;
  LayPattern(board, 6, 2, PatternFromRows(2, 1, 1, {"11"}));
  ASSERT_EQ(board.Areas().size(), 12u);
  for (int row = 1; row <= 2; ++row)
    for (int column = 1; column <= 6; ++column) {
      const TAreaProperties* area = board.AreaAt(column, row);
      EXPECT_EQ(CellsOf(board, area).size(), 1u);
      EXPECT_EQ(area->CellCount, column < 6 ? 2 : 1);
    }
}

TEST(TransparentCells, AreLeftToTheNeighbouringCopies) {
  TBoard board;
  LayPattern(board, 4, 4, PatternFromRows(2, 2, 2, {"#.", ".0"}));
  // Each copy fills the diagonal; the other diagonal stays unassigned and
  // becomes one-cell holes.
  EXPECT_FALSE(board.AreaAt(1, 1)->Hole);
  EXPECT_FALSE(board.AreaAt(2, 2)->Hole);
  EXPECT_TRUE(board.AreaAt(2, 1)->Hole);
  EXPECT_TRUE(board.AreaAt(1, 2)->Hole);
  EXPECT_EQ(board.AreaAt(2, 1)->Colour, clRed);
}
