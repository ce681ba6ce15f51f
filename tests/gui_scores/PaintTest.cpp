#include <QColor>
#include <QRadioButton>
#include "ScoreScreenFixture.h"
#include "scores/ScoreLayout.h"
#include "scores/ScoreText.h"
#include "support/WindowParts.h"

TEST(ScoreTextRule, SettingsReadLikeTheDialogsLabelsWithoutPercent) {
  EXPECT_EQ(PercentText(25), "5.0");   // holes
  EXPECT_EQ(PercentText(200), "40.0");  // mines
  EXPECT_EQ(PercentText(37), "7.4");
  EXPECT_EQ(PercentText(0), "0.0");
  EXPECT_EQ(TenthsText(90), "9.0");  // linking
  EXPECT_EQ(TenthsText(57), "5.7");  // shaped cells
  EXPECT_EQ(TenthsText(0), "0.0");
  EXPECT_EQ(SizeText(15, 9), "15 x 9");
}

TEST(ScoreTextRule, DamagedValuesStayReadable) {
  EXPECT_EQ(TenthsText(-14), "-1.4");
  EXPECT_EQ(PercentText(-7), "-1.4");
  EXPECT_EQ(TenthsText(INT32_MIN), "-214748364.8");
  EXPECT_EQ(PercentText(INT32_MAX), "429496729.4");
  EXPECT_EQ(PercentText(INT32_MIN), "-429496729.6");
  EXPECT_EQ(SizeText(INT32_MIN, -1), "-2147483648 x -1");
}

class PaintedTable : public ScoreScreen {
 protected:
  void SetUp() override {
    ScoreScreen::SetUp();
    TGameRecord first = ListedGame("WWWW", 900);
    TGameRecord second = ListedGame("WWWW", 900);
    second.TimedGame = 1;
    second.GameSpeed = 7;
    second.Linking = 90;
    WriteScores({first, second});
    Repaint();
    Layout = Main->ScoreLayout();
  }
  // The part of row's band between two x positions.
  QRect Slice(int row, int fromX, int toX) const {
    const QRect band = RowBand(row);
    return QRect(fromX, band.top(), toX - fromX + 1, band.height());
  }
  TScoreLayout Layout;
};

TEST_F(PaintedTable, RowOneIsBoldAndTheOthersRegular) {
  const int nameEnd = ColumnX(Layout, 86) - 20;
  const int bold = CountDark(Slice(1, 0, nameEnd));
  const int regular = CountDark(Slice(2, 0, nameEnd));
  ASSERT_GT(regular, 20);
  EXPECT_GT(bold, regular * 6 / 5);
}

TEST_F(PaintedTable, PlaceholdersAreSilverAndGamesBlack) {
  EXPECT_GT(CountDark(RowBand(2)), 20);
  const QRect placeholder = RowBand(3);
  EXPECT_EQ(CountDark(placeholder), 0);
  const QImage& image = Main->CanvasImage();
  int darkest = 255;
  for (int y = placeholder.top(); y <= placeholder.bottom(); ++y)
    for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  EXPECT_GE(darkest, 180);  // silver ink, antialiased towards the face
  EXPECT_LE(darkest, 200);  // but there is ink: "Nobody" and its zeros
}

TEST_F(PaintedTable, NameStartsAtLeftAndScoreEndsAtNineteenRows) {
  const int nameInk = FirstInkX(Slice(1, 0, ColumnX(Layout, 86) - 20));
  EXPECT_GE(nameInk, Layout.Left);
  EXPECT_LE(nameInk, Layout.Left + 2);
  const int scoreInk = LastInkX(Slice(1, ColumnX(Layout, 163) + 25, Main->width() - 1));
  EXPECT_LE(scoreInk, ScoreRightEdge(Layout) - 1);
  EXPECT_GE(scoreInk, ScoreRightEdge(Layout) - 4);
}

TEST_F(PaintedTable, TimedColumnIsCentredAndEmptyForUntimedGames) {
  const int anchor = ColumnX(Layout, 86);
  const QRect timedSlice2 = Slice(2, anchor - 15, anchor + 15);
  const int first = FirstInkX(timedSlice2);
  const int last = LastInkX(timedSlice2);
  ASSERT_GE(first, 0);
  EXPECT_NEAR((first + last) / 2.0, anchor, 2.5);
  EXPECT_EQ(FirstInkX(Slice(1, anchor - 15, anchor + 15)), -1);
}

TEST_F(PaintedTable, SettingsColumnsEndAtTheirAnchors) {
  for (int tenths : {106, 121, 136, 151}) {
    const int anchor = ColumnX(Layout, tenths);
    const int ink = LastInkX(Slice(1, anchor - 12, anchor + 6));
    EXPECT_LE(ink, anchor - 1) << tenths;
    EXPECT_GE(ink, anchor - 3) << tenths;
  }
  // A linking of 90 shows 9.0, ending at the same anchor as 0.0.
  const int linkAnchor = ColumnX(Layout, 106);
  EXPECT_LE(LastInkX(Slice(2, linkAnchor - 20, linkAnchor + 6)), linkAnchor - 1);
}

TEST_F(PaintedTable, SeparatorsAreSilverLinesAcrossTheTable) {
  const int y = RowTop(Layout, 2) - Layout.RowHeight / 6;
  const QImage& image = Main->CanvasImage();
  EXPECT_EQ(QColor(image.pixel(Layout.Left + 3, y)), QColor(192, 192, 192));
  EXPECT_EQ(QColor(image.pixel(Main->width() - Layout.Left - 2, y)), QColor(192, 192, 192));
  EXPECT_NE(QColor(image.pixel(Layout.Left - 2, y)), QColor(192, 192, 192));
  EXPECT_NE(QColor(image.pixel(Main->width() - Layout.Left + 1, y)), QColor(192, 192, 192));
}

TEST_F(PaintedTable, ColumnHeadsStandAboveTheirColumns) {
  const int headTop = Layout.Top + DivRoundHalfEven(6 * Layout.RowHeight, 10) - 25 + 3;
  auto ink = [&](int left, int width) {
    return FirstInkX(QRect(left, headTop, width, 24)) >= 0;
  };
  EXPECT_TRUE(ink(Layout.Left, 17));  // one person
  for (int tenths : {86, 101, 116, 131, 147, 163})
    EXPECT_TRUE(ink(ColumnX(Layout, tenths) - 12, 24)) << tenths;
  // Nothing between the person and the timed head.
  const int gapFrom = Layout.Left + 18;
  EXPECT_FALSE(ink(gapFrom, ColumnX(Layout, 86) - 12 - gapFrom));
  // Nothing after the size head, above the scores.
  EXPECT_FALSE(ink(ColumnX(Layout, 163) + 13, ScoreRightEdge(Layout) - ColumnX(Layout, 163) - 13));
}

TEST_F(PaintedTable, PaintCoversWhateverWasOnTheCanvas) {
  QImage& canvas = const_cast<QImage&>(Main->CanvasImage());
  canvas.fill(Qt::red);
  Repaint();
  const QRgb face = Main->palette().color(QPalette::Button).rgb();
  EXPECT_EQ(Main->CanvasImage().pixel(2, Main->height() - 30), face);
  EXPECT_EQ(Main->CanvasImage().pixel(Main->width() - 2, 100), face);
  EXPECT_EQ(CountColour(QRect(0, 80, Main->width(), Main->height() - 110), qRgb(255, 0, 0)), 0);
}

TEST_F(ScoreScreen, FilterChangesNeverPaintOverTheMinefield) {
  StartGameThroughDialog();
  ASSERT_EQ(Main->ScreenShown(), ss_Game);
  const QImage board = Main->CanvasImage().copy();
  Main->SetShowPlayerOnly(true);
  TrackBarMatchSpec(Main->ScoreScreen())->setValue(10);
  Main->PaintScores();
  EXPECT_EQ(Main->CanvasImage(), board);
  EXPECT_TRUE(Main->ShowPlayerOnly());
  EXPECT_TRUE(RadioButtonThisPlayer(Main->ScoreScreen())->isChecked());
}

// A main window that no new game dialog has given settings yet, as while
// the program's windows are being made.
TEST_F(ScoreScreen, NothingIsPaintedWithoutTheDialog) {
  TMainForm window(Seams);
  window.resize(478, 511);
  QImage& canvas = const_cast<QImage&>(window.CanvasImage());
  canvas.fill(Qt::red);
  window.PaintScores();
  window.SetShowPlayerOnly(true);
  EXPECT_EQ(window.CanvasImage().pixel(5, 200), qRgb(255, 0, 0));
}
