#include <gtest/gtest.h>

#include <cmath>

#include "BoardTestSupport.h"

namespace {

// The cell whose fill rectangle a recorded fill is.
std::pair<int, int> CellOfFill(const TBoard& board, const TRecordingCanvas::TFill& fill) {
  int column = 0, row = 0;
  board.CellAt(fill.Rect.Left, fill.Rect.Top, column, row);
  return {column, row};
}

}  // namespace

TEST(LayOut, SixHundredByFourHundredOnFifteenByFifteen) {
  TBoard board;
  Generate(board, PlainRecord(15, 15));
  board.LayOut(600, 400, 30);
  EXPECT_EQ(board.CellWidth(), 26);
  EXPECT_EQ(board.CellHeight(), 26);
  EXPECT_EQ(board.GridWidth(), 390);
  EXPECT_EQ(board.GridHeight(), 390);
  EXPECT_EQ(board.OriginX(), 106);
  EXPECT_EQ(board.OriginY(), 35);
  EXPECT_EQ(board.ColumnLeft(1), 106);
  EXPECT_EQ(board.ColumnRight(15), 495);
  EXPECT_EQ(board.RowTop(1), 35);
  EXPECT_EQ(board.RowBottom(15), 424);
  // The tables run over the whole capacity.
  EXPECT_EQ(board.ColumnLeft(148), 147 * 26 + 106);
  EXPECT_EQ(board.RowBottom(100), 100 * 26 + 35 - 1);
}

TEST(CellAt, FindsTheLastColumnOnItsRightEdgeAndNothingBeyond) {
  TBoard board;
  Generate(board, PlainRecord(15, 15));
  board.LayOut(600, 400, 30);
  int column = 0, row = 0;
  EXPECT_TRUE(board.CellAt(495, 424, column, row));
  EXPECT_EQ(column, 15);
  EXPECT_EQ(row, 15);
  EXPECT_FALSE(board.CellAt(496, 200, column, row));
  EXPECT_EQ(column, -1);
  EXPECT_EQ(row, -1);
  EXPECT_TRUE(board.CellAt(106, 35, column, row));
  EXPECT_EQ(column, 1);
  EXPECT_EQ(row, 1);
  EXPECT_TRUE(board.CellAt(131, 61, column, row));
  EXPECT_EQ(column, 1);
  EXPECT_EQ(row, 2);
  EXPECT_FALSE(board.CellAt(105, 35, column, row));
  EXPECT_FALSE(board.CellAt(200, 34, column, row));
  EXPECT_FALSE(board.CellAt(200, 425, column, row));
}

TEST(LayOut, ATooSmallWindowGivesEmptyCellsThatNothingHits) {
  TBoard board;
  board.LayOut(100, 100, 0);  // before any field: no division by zero
  Generate(board, PlainRecord(30, 30));
  board.LayOut(20, -8, 0);
  EXPECT_EQ(board.CellWidth(), 0);
  int column = 0, row = 0;
  EXPECT_FALSE(board.CellAt(board.OriginX(), board.OriginY(), column, row));
  TRecordingCanvas canvas;
  board.PaintAll(canvas);
  EXPECT_TRUE(canvas.Texts.empty());
}

TEST(PaintAll, DrawsColumnByColumn) {
  TBoard board;
  Generate(board, PlainRecord(3, 2));
  board.LayOut(300, 200, 0);
  TRecordingCanvas canvas;
  board.PaintAll(canvas);
  ASSERT_EQ(canvas.Fills.size(), 6u);
  const std::pair<int, int> order[] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(CellOfFill(board, canvas.Fills[i]), order[i]);
  EXPECT_EQ(canvas.Fills[0].Rect.Right - canvas.Fills[0].Rect.Left, board.CellWidth());
}

TEST(PaintChanged, DrawsChangedAndHoveredAreasInReadingOrderOnly) {
  TBoard board;
  Generate(board, PlainRecord(5, 4));
  board.LayOut(500, 400, 0);
  TRecordingCanvas canvas;
  board.PaintChanged(canvas);
  EXPECT_EQ(canvas.Fills.size(), 20u);
  canvas.Reset();
  board.PaintChanged(canvas);
  EXPECT_TRUE(canvas.Fills.empty()) << "nothing changed";

  board.AreaAt(4, 3)->Changed = true;
  board.AreaAt(2, 1)->Changed = true;
  board.AreaAt(5, 1)->Changed = true;
  TBoardSteps::SetHovered(board, board.AreaAt(1, 2));
  board.PaintChanged(canvas);
  const std::pair<int, int> order[] = {{2, 1}, {5, 1}, {1, 2}, {4, 3}};
  ASSERT_EQ(canvas.Fills.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(CellOfFill(board, canvas.Fills[i]), order[i]);
  EXPECT_FALSE(board.AreaAt(4, 3)->Changed);
}

TEST(Hover, EnteringAnAreaStartsThePulseAndLeavingRedrawsItPlain) {
  TBoard board;
  Generate(board, PlainRecord(5, 5));
  board.SetLifeline(false);
  board.LayOut(500, 500, 0);
  TRecordingCanvas canvas;
  board.PaintChanged(canvas);
  canvas.Reset();

  board.HoverAt(2, 2, canvas);
  EXPECT_EQ(board.Hovered(), board.AreaAt(2, 2));
  EXPECT_EQ(board.PulseStep(), 0);
  EXPECT_FLOAT_EQ(board.PulseLevel(), 1.0f);
  ASSERT_EQ(canvas.Fills.size(), 1u);
  EXPECT_EQ(canvas.Fills[0].Colour, clWhite) << "level 1 is the pure hover colour";

  board.PulseHover();
  EXPECT_FLOAT_EQ(board.PulseLevel(), float(std::cos(0.7L) * 0.5L + 0.5L));
  canvas.Reset();
  board.HoverAt(2, 2, canvas);  // the same area: the pulse goes on
  EXPECT_EQ(board.PulseStep(), 1);
  EXPECT_EQ(canvas.Fills.size(), 1u) << "only the hovered area is drawn";

  canvas.Reset();
  board.HoverAt(3, 2, canvas);
  EXPECT_EQ(board.Hovered(), board.AreaAt(3, 2));
  ASSERT_EQ(canvas.Fills.size(), 2u);
  EXPECT_EQ(canvas.Fills[0].Colour, 0xAACCDDu) << "the old area drawn plain";

  board.ClearHover();
  EXPECT_EQ(board.Hovered(), nullptr);
  canvas.Reset();
  board.PaintChanged(canvas);
  EXPECT_EQ(canvas.Fills.size(), 1u) << "the last hovered area, drawn plain once more";
  canvas.Reset();
  board.PaintChanged(canvas);
  EXPECT_TRUE(canvas.Fills.empty());
}

TEST(Hover, AHoleOrAPointOffTheFieldHoversNothing) {
  TBoard board;
  Generate(board, PlainRecord(4, 4));
  board.AreaAt(3, 3)->Hole = true;
  board.LayOut(400, 400, 0);
  TRecordingCanvas canvas;
  board.HoverAt(1, 1, canvas);
  board.HoverAt(3, 3, canvas);
  EXPECT_EQ(board.Hovered(), nullptr);
  board.HoverAt(1, 1, canvas);
  canvas.Reset();
  board.HoverAt(-1, -1, canvas);
  EXPECT_EQ(board.Hovered(), nullptr);
  ASSERT_EQ(canvas.Fills.size(), 1u);
  EXPECT_EQ(CellOfFill(board, canvas.Fills[0]), std::make_pair(1, 1));
}

TEST(Glyphs, NumbersIncludingZeroSitCentredAtTheTopOfTheCell) {
  TBoard board;
  FieldWithMines(board, 3, 1, {{3, 1}});
  board.LayOut(96, 40, 0);  // cells of 32: h = 31
  std::int32_t score = 100, clock = 0;
  board.Uncover(1, 1, 0, score, clock, false);
  TRecordingCanvas canvas;
  board.PaintAll(canvas);
  ASSERT_EQ(canvas.Texts.size(), 2u);
  EXPECT_EQ(canvas.Texts[0].Text, "0");
  EXPECT_EQ(canvas.Texts[1].Text, "1");
  EXPECT_EQ(canvas.Texts[0].Font.SizePoints, 31 * 5 / 8);
  EXPECT_EQ(canvas.Texts[0].Font.Colour, clBlack);
  EXPECT_EQ(canvas.Texts[0].X, (board.ColumnLeft(1) + board.ColumnRight(1) - 4) / 2);
  EXPECT_EQ(canvas.Texts[0].Y, board.RowTop(1));
}

TEST(Glyphs, MarksAreBlackMinesAndExposedMinesRed) {
  TBoard board;
  FieldWithMines(board, 2, 1, {{1, 1}});
  board.LayOut(64, 40, 0);
  std::int32_t score = 100;
  board.ToggleMark(2, 1, score);
  TRecordingCanvas canvas;
  board.PaintAll(canvas);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Text, "<mine>");
  EXPECT_EQ(canvas.Texts[0].Font.Colour, clBlack);
  EXPECT_EQ(canvas.Texts[0].Font.SizePoints, 31 * 6 / 8);
  EXPECT_EQ(canvas.Texts[0].X, (board.ColumnLeft(2) + board.ColumnRight(2) - 6) / 2);
}

TEST(OneMark, ShowsTheNumberInTheLabelCellAndBulletsInTheOthers) {
  RandSeed(21);
  TBoard board;
  TGameRecord record = PlainRecord(15, 15);
  record.CellSize = 90;
  Generate(board, record);
  board.LayOut(450, 450, 0);
  std::int32_t score = 100, clock = 0;
  board.Uncover(8, 8, 0, score, clock, false);
  const TAreaProperties* area = board.AreaAt(8, 8);
  const auto cells = CellsOf(board, area);
  ASSERT_GT(cells.size(), 1u);

  TRecordingCanvas canvas;
  board.SetOneMark(true, canvas);
  EXPECT_EQ(canvas.Fills.size(), 225u);
  int numbers = 0, bullets = 0;
  for (const auto& text : canvas.Texts) {
    int column = 0, row = 0;
    board.CellAt(board.ColumnLeft(1) + (text.X - board.ColumnLeft(1)), text.Y, column, row);
    const bool label = board.Cell(column, row).LabelCell;
    if (text.Text == "<bullet>") {
      ++bullets;
      EXPECT_FALSE(label);
      EXPECT_EQ(text.Font.Colour, BlendColour(board.AreaAt(column, row)->Colour, clBlack, 0.25f));
    } else {
      ++numbers;
      EXPECT_TRUE(label);
    }
  }
  int uncoveredAreas = 0, uncoveredCells = 0;
  for (const auto& a : board.Areas())
    if (a->Uncovered) {
      ++uncoveredAreas;
      uncoveredCells += int(CellsOf(board, a.get()).size());
    }
  EXPECT_EQ(numbers, uncoveredAreas);
  EXPECT_EQ(bullets, uncoveredCells - uncoveredAreas);

  canvas.Reset();
  board.SetOneMark(false, canvas);
  for (const auto& text : canvas.Texts) EXPECT_NE(text.Text, "<bullet>");
  EXPECT_EQ(int(canvas.Texts.size()), uncoveredCells);
}

TEST(OneMark, APlainFieldShowsItsNumbersAsBefore) {
  TBoard board;
  FieldWithMines(board, 4, 4, {{4, 4}});
  board.LayOut(400, 400, 0);
  std::int32_t score = 100, clock = 0;
  board.Uncover(1, 1, 0, score, clock, false);
  TRecordingCanvas on, off;
  board.SetOneMark(true, on);
  board.SetOneMark(false, off);
  ASSERT_EQ(on.Texts.size(), off.Texts.size());
  for (std::size_t i = 0; i < on.Texts.size(); ++i) EXPECT_EQ(on.Texts[i].Text, off.Texts[i].Text);
}

TEST(OneMark, LeavesExposedMinesAsTheyAre) {
  TBoard board;
  FieldWithMines(board, 3, 3, {{2, 2}});
  board.LayOut(300, 300, 0);
  TRecordingCanvas canvas;
  board.RevealMines(canvas);
  canvas.Reset();
  board.SetOneMark(true, canvas);
  EXPECT_EQ(canvas.Fills.size(), 8u);
}
