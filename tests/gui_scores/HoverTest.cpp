#include <QLabel>
#include "ScoreScreenFixture.h"
#include "scores/ScoreLayout.h"
#include "support/WindowParts.h"

namespace {

// The margin beside the table where a row's marker is drawn.
QRect LeftMarkerArea(const TMainForm& main, int row) {
  const TScoreLayout layout = main.ScoreLayout();
  const int right = (main.width() - 19 * layout.RowHeight) / 2 - 3;
  return QRect(0, RowTop(layout, row) - 4, right + 1, layout.RowHeight + 8);
}

QRect RightMarkerArea(const TMainForm& main, int row) {
  const TScoreLayout layout = main.ScoreLayout();
  const int left = (main.width() + 19 * layout.RowHeight) / 2 + 2;
  return QRect(left, RowTop(layout, row) - 4, main.width() - left, layout.RowHeight + 8);
}

}  // namespace

class Hover : public ScoreScreen {
 protected:
  void SetUp() override {
    ScoreScreen::SetUp();
    WriteScores({ListedGame("Ann", 800), ListedGame("Bob", 600), ListedGame("Cy", 400)});
    Repaint();
  }
};

TEST_F(Hover, RealRowGetsMarkersAndTheChallengeHint) {
  HoverRow(2);
  EXPECT_EQ(Main->HoverRow(), 2);
  EXPECT_EQ(Main->property("HoverRow").toInt(), 2);
  EXPECT_EQ(Main->toolTip(), "Challenge this score");
  EXPECT_EQ(Main->statusTip(), "Click to play a game with the same settings.");
  EXPECT_EQ(StatusBar(Main)->text(), " Click to play a game with the same settings.");
  EXPECT_GT(CountDark(LeftMarkerArea(*Main, 2)), 4);
  EXPECT_GT(CountDark(RightMarkerArea(*Main, 2)), 4);
}

TEST_F(Hover, MarkersSitWhereTheRowRuleSays) {
  HoverRow(1);
  const TScoreLayout layout = Main->ScoreLayout();
  const QRect left = LeftMarkerArea(*Main, 1);
  const int firstInk = FirstInkX(left);
  // The bullet starts at (W - 20 RowHeight) div 2 plus its side bearing.
  EXPECT_GE(firstInk, (Main->width() - 20 * layout.RowHeight) / 2);
  EXPECT_LE(firstInk, (Main->width() - 20 * layout.RowHeight) / 2 + 5);
  const int rightInk = FirstInkX(RightMarkerArea(*Main, 1));
  EXPECT_GE(rightInk, (Main->width() + 19 * layout.RowHeight) / 2 + 4);
  EXPECT_LE(rightInk, (Main->width() + 19 * layout.RowHeight) / 2 + 9);
}

TEST_F(Hover, MovingOnErasesTheOldMarkers) {
  HoverRow(1);
  ASSERT_GT(CountDark(LeftMarkerArea(*Main, 1)), 4);
  HoverRow(3);
  EXPECT_EQ(CountDark(LeftMarkerArea(*Main, 1)), 0);
  EXPECT_EQ(CountDark(RightMarkerArea(*Main, 1)), 0);
  EXPECT_GT(CountDark(LeftMarkerArea(*Main, 3)), 4);
}

TEST_F(Hover, PlaceholderRowsInviteAClickWithoutMarkers) {
  HoverRow(1);
  HoverRow(5);  // "Nobody"
  EXPECT_EQ(Main->HoverRow(), 0);
  EXPECT_EQ(Main->toolTip(), "");
  EXPECT_EQ(Main->statusTip(), "Click a score to challenge it.");
  EXPECT_EQ(StatusBar(Main)->text(), " Click a score to challenge it.");
  EXPECT_EQ(CountDark(LeftMarkerArea(*Main, 5)), 0);
  EXPECT_EQ(CountDark(RightMarkerArea(*Main, 5)), 0);
  EXPECT_EQ(CountDark(LeftMarkerArea(*Main, 1)), 0);
}

TEST_F(Hover, HeadsAndTheSpaceBelowTheLastRowAreNoRow) {
  const TScoreLayout layout = Main->ScoreLayout();
  HoverRow(1);
  Main->FormMouseMove(200, layout.Top + 5);  // the column heads
  EXPECT_EQ(Main->HoverRow(), 0);
  HoverRow(1);
  Main->FormMouseMove(200, RowTop(layout, layout.RowCount + 1) + 3);
  EXPECT_EQ(Main->HoverRow(), 0);
  Main->FormMouseMove(200, -40);  // above the window, while dragging
  EXPECT_EQ(Main->HoverRow(), 0);
}

TEST_F(Hover, TheWholeWidthBelongsToTheRow) {
  const TScoreLayout layout = Main->ScoreLayout();
  Main->FormMouseMove(0, RowTop(layout, 3) + 2);
  EXPECT_EQ(Main->HoverRow(), 3);
  Main->FormMouseMove(Main->width() - 1, RowTop(layout, 2) + 2);
  EXPECT_EQ(Main->HoverRow(), 2);
  // A row starts three pixels above its top.
  Main->FormMouseMove(100, RowTop(layout, 2) - 3);
  EXPECT_EQ(Main->HoverRow(), 2);
  Main->FormMouseMove(100, RowTop(layout, 2) - 4);
  EXPECT_EQ(Main->HoverRow(), 1);
}

TEST_F(Hover, MarkersDoNotTouchTheTable) {
  const QImage before = Main->CanvasImage().copy();
  HoverRow(2);
  const TScoreLayout layout = Main->ScoreLayout();
  const int left = (Main->width() - 19 * layout.RowHeight) / 2 - 1;
  const int right = (Main->width() + 19 * layout.RowHeight) / 2 + 1;
  const QRect table(left, 0, right - left + 1, Main->height());
  EXPECT_EQ(Main->CanvasImage().copy(table), before.copy(table));
}

TEST_F(Hover, AfterAPaintTheMarkersReturnOnlyWithTheNextMove) {
  HoverRow(2);
  Repaint();
  EXPECT_EQ(CountDark(LeftMarkerArea(*Main, 2)), 0);
  EXPECT_EQ(Main->HoverRow(), 2);  // the row stays for a click
}
