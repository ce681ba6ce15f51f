#include <QFrame>
#include <QLabel>
#include "ScoreScreenFixture.h"
#include "scores/ScoreLayout.h"

namespace {

TScoreLayout LayoutFor(int width, int height) {
  TScoreFrame frame;
  frame.ClientWidth = width;
  frame.ClientHeight = height;
  return ComputeScoreLayout(frame);
}

}  // namespace

TEST(ScoreLayoutRule, DesignSizeShowsFifteenRowsOfTwentyThreePixels) {
  const TScoreLayout layout = LayoutFor(478, 511);
  EXPECT_EQ(layout.TableHeight, 413);
  EXPECT_EQ(layout.RowHeight, 23);
  EXPECT_EQ(layout.RowCount, 15);
  EXPECT_EQ(layout.Top, 112);
  EXPECT_EQ(layout.Left, 20);
  EXPECT_EQ(layout.FontSize, 12);
  EXPECT_EQ(layout.SmallFontSize, 9);
}

TEST(ScoreLayoutRule, TallerWindowsAddRowsUpToFortySix) {
  // Width 800 allows rows of 40 pixels; the height then decides the count.
  EXPECT_EQ(LayoutFor(800, 98 + 20 * 40).RowCount, 18);
  const TScoreLayout tall = LayoutFor(800, 98 + 48 * 40);
  EXPECT_EQ(tall.RowHeight, 40);
  EXPECT_EQ(tall.RowCount, 46);
  // Even taller: still 46, the list's limit.
  EXPECT_EQ(LayoutFor(800, 98 + 200 * 40).RowCount, 46);
  // Narrow rows in a tall window reach the limit too.
  EXPECT_EQ(LayoutFor(400, 5000).RowCount, 46);
}

TEST(ScoreLayoutRule, NarrowerWindowsShrinkTheRows) {
  const TScoreLayout narrow = LayoutFor(400, 511);
  EXPECT_EQ(narrow.RowHeight, 20);
  EXPECT_EQ(narrow.RowCount, 18);  // 413 div 20 = 20, less the two head rows
  EXPECT_EQ(narrow.Left, 10);
  EXPECT_EQ(narrow.FontSize, 10);
  EXPECT_EQ(narrow.SmallFontSize, 7);
  // Top = round((413 - 360) / 2) + 78 = round(26.5) + 78: the half goes to
  // the even 26.
  EXPECT_EQ(narrow.Top, 104);
}

TEST(ScoreLayoutRule, TopRoundsHalvesToEven) {
  // H = 411: 411 - 15 * 23 = 66, Top 33 + 78. H = 412: 67 / 2 = 33.5 -> 34.
  EXPECT_EQ(LayoutFor(478, 509).Top, 111);
  EXPECT_EQ(LayoutFor(478, 510).Top, 112);
  // H = 410: 65 / 2 = 32.5 -> 32 (even), not 33.
  EXPECT_EQ(LayoutFor(478, 508).Top, 110);
}

TEST(ScoreLayoutRule, ColumnAnchorsRoundHalvesToEven) {
  const TScoreLayout design = LayoutFor(478, 511);
  EXPECT_EQ(ColumnX(design, 86), 20 + 198);   // 8.6 x 23 = 197.8
  EXPECT_EQ(ColumnX(design, 163), 20 + 375);  // 16.3 x 23 = 374.9
  EXPECT_EQ(ScoreRightEdge(design), 20 + 437);
  TScoreLayout five;
  five.RowHeight = 5;
  EXPECT_EQ(ColumnX(five, 101), 50);  // 50.5 -> 50
  EXPECT_EQ(ColumnX(five, 147), 74);  // 73.5 -> 74
  EXPECT_EQ(ColumnX(five, 131), 66);  // 65.5 -> 66
}

TEST(ScoreLayoutRule, TinyClientAreasGiveAnEmptyTableWithoutFailing) {
  for (const auto& [w, h] : {std::pair{0, 0}, {1, 1}, {19, 99}, {478, 90}, {10, 2000}}) {
    const TScoreLayout layout = LayoutFor(w, h);
    EXPECT_GE(layout.RowHeight, 1);
    EXPECT_GE(layout.RowCount, 0);
    EXPECT_LE(layout.RowCount, 46);
  }
}

TEST(ScoreLayoutRule, RowUnderPointerTruncatesTowardZero) {
  const TScoreLayout design = LayoutFor(478, 511);
  EXPECT_EQ(RowAt(design, 112 + 23 - 3), 1);
  EXPECT_EQ(RowAt(design, 112 + 23 - 4), 0);
  EXPECT_EQ(RowAt(design, 112 - 3), 0);
  EXPECT_EQ(RowAt(design, 112 - 20), 0);  // -17 div 23 is 0, not -1
  EXPECT_EQ(RowAt(design, 112 + 16 * 23 - 3), 16);
}

TEST_F(ScoreScreen, WindowAtDesignSizeLaysOutFifteenRows) {
  const TScoreLayout layout = Main->ScoreLayout();
  EXPECT_EQ(layout.RowHeight, 23);
  EXPECT_EQ(layout.RowCount, 15);
  EXPECT_EQ(layout.Top, 112);
  EXPECT_EQ(layout.Left, 20);
}

TEST_F(ScoreScreen, WindowLayoutFollowsItsSize) {
  ResizeClient(900, 2100);
  EXPECT_EQ(Main->ScoreLayout().RowHeight, 40);
  EXPECT_EQ(Main->ScoreLayout().RowCount, 46);
  ResizeClient(420, 511);
  EXPECT_EQ(Main->ScoreLayout().RowHeight, 21);
  EXPECT_EQ(Main->ScoreLayout().RowCount, 17);
}

TEST_F(ScoreScreen, PaintFillsExactlyTheLayoutsRows) {
  // Every row, real or placeholder, shows its score; nothing below the last.
  WriteScores({ListedGame("Ann", 500)});
  Repaint();
  const TScoreLayout layout = Main->ScoreLayout();
  for (int row = 1; row <= layout.RowCount; ++row)
    EXPECT_GE(LastInkX(RowBand(row)), 0) << "row " << row;
  const QRect below(0, RowTop(layout, layout.RowCount + 1), Main->width(),
                    Main->height() - 20 - RowTop(layout, layout.RowCount + 1) - 1);
  EXPECT_EQ(LastInkX(below), -1);
}
