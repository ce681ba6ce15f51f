#include <QApplication>
#include <QPalette>
#include "WindowFixture.h"
#include "ui/WidgetColours.h"

namespace {
QRgb Rgb(TColour colour) { return ToQColor(colour).rgb(); }
}  // namespace

TEST_F(WindowTest, CanvasCoversTheClientAreaAndFollowsItsSize) {
  EXPECT_EQ(Main->CanvasImage().size(), QSize(478, 511));
  Main->resize(640, 480);
  Main->FormResize();
  EXPECT_EQ(Main->CanvasImage().size(), QSize(640, 480));
}

TEST_F(WindowTest, GameScreenShowsEveryCellInItsColourAndFillsTheMargins) {
  StartGame({.Columns = 12, .Rows = 9});
  const QImage& image = Main->CanvasImage();
  const QRgb face = Main->palette().color(QPalette::Button).rgb();
  const TBoard& board = *Main->Board();
  EXPECT_EQ(image.pixel(0, 200), face);
  EXPECT_EQ(image.pixel(Main->width() - 1, 200), face);
  EXPECT_EQ(image.pixel(board.ColumnLeft(5), board.RowTop(1) - 1), face);
  EXPECT_EQ(image.pixel(board.ColumnLeft(5), board.RowBottom(9) + 1), face);
  for (int column = 1; column <= 12; ++column)
    for (int row = 1; row <= 9; ++row) {
      const TAreaProperties* area = board.AreaAt(column, row);
      const QPoint centre = CentreOf({column, row});
      const TColour fill = area->Hole ? clBlack : area->Colour;
      ASSERT_EQ(image.pixel(centre) & 0xFFFFFF, Rgb(fill) & 0xFFFFFF) << column << ", " << row;
    }
}

TEST_F(WindowTest, ACopyOfTheCanvasKeepsItsPictureWhileTheWindowDrawsOn) {
  StartGame({.Columns = 6, .Rows = 6});
  const TCell cell{3, 3};
  const QImage before = Main->CanvasImage();
  MoveTo(CentreOf(cell));  // the hover lights the area at once
  const QImage& after = Main->CanvasImage();
  EXPECT_NE(after.pixel(CentreOf(cell)), before.pixel(CentreOf(cell)));
  EXPECT_EQ(before.pixel(CentreOf(cell)) & 0xFFFFFF, Rgb(AreaOf(cell)->Colour) & 0xFFFFFF);
}

TEST_F(WindowTest, HoverFollowsThePointerAndLeavesWithIt) {
  StartGame({.Columns = 6, .Rows = 6});
  MoveTo(CentreOf({2, 2}));
  EXPECT_EQ(Main->Board()->Hovered(), AreaOf({2, 2}));
  MoveTo(QPoint(1, 45));  // off the grid
  EXPECT_EQ(Main->Board()->Hovered(), nullptr);
  MoveTo(CentreOf({4, 4}));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Main, &leave);
  EXPECT_EQ(Main->Board()->Hovered(), nullptr);
}

TEST_F(WindowTest, PointerChangesNothingWithNoGameActive) {
  StartGame({.Columns = 6, .Rows = 6});
  Main->SetGameActive(false);
  MoveTo(CentreOf({2, 2}));
  EXPECT_EQ(Main->Board()->Hovered(), nullptr);
}

TEST_F(WindowTest, TicksPulseTheHoveredAreaOnTheCanvas) {
  StartGame({.Columns = 6, .Rows = 6});
  const TCell cell{3, 3};
  MoveTo(CentreOf(cell));
  const QRgb lit = Main->CanvasImage().pixel(CentreOf(cell));
  Main->Tick();
  Main->Tick();
  EXPECT_NE(Main->CanvasImage().pixel(CentreOf(cell)), lit);
}

TEST_F(WindowTest, PausedGameShowsTheScoreTableAndResumedTheField) {
  StartGame({.Columns = 6, .Rows = 6});
  const QPoint centre = CentreOf({3, 3});
  const QRgb cell = Main->CanvasImage().pixel(centre);
  Key(Qt::Key_F3);
  EXPECT_NE(Main->CanvasImage().pixel(centre), cell);
  Key(Qt::Key_F3);
  EXPECT_EQ(Main->CanvasImage().pixel(centre), cell);
}
