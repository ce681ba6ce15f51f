#include <QApplication>
#include <QLabel>
#include <QStatusTipEvent>
#include <QToolButton>
#include "WindowFixture.h"
#include "support/WindowParts.h"

namespace {
// The grid laid out for a client area: square cells, centred.
void ExpectGridFits(const TMainForm& form) {
  const TBoard& board = *form.Board();
  const int availWidth = form.width() - 3;
  const int availHeight = form.height() - 20 - 39 - 3;
  const int cell = std::min(availWidth / board.SizeX(), availHeight / board.SizeY());
  EXPECT_EQ(board.CellWidth(), cell);
  EXPECT_EQ(board.CellHeight(), cell);
  EXPECT_EQ(board.ColumnLeft(1), (availWidth - board.SizeX() * cell) / 2 + 1);
  EXPECT_EQ(board.RowTop(1), (availHeight - board.SizeY() * cell) / 2 + 39);
  EXPECT_GE(board.RowTop(1), 39);
  EXPECT_LT(board.RowBottom(board.SizeY()), form.height() - 22);  // above the status bar's line
}
}  // namespace

TEST_F(WindowTest, CellsAreSquareAndCentredAtEveryWindowSize) {
  StartGame({.Columns = 24, .Rows = 16});
  for (const QSize size : {QSize(478, 511), QSize(400, 300), QSize(1000, 320), QSize(420, 900),
                           QSize(1279, 1000), QSize(555, 444)}) {
    Main->resize(size);
    Main->FormResize();
    SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
    ExpectGridFits(*Main);
  }
}

TEST_F(WindowTest, WideningAHeightLimitedWindowOnlyCentresTheGrid) {
  StartGame({.Columns = 15, .Rows = 15});
  Main->resize(600, 400);
  Main->FormResize();
  const int cell = Main->Board()->CellWidth();
  const int left = Main->Board()->ColumnLeft(1);
  Main->resize(800, 400);
  Main->FormResize();
  EXPECT_EQ(Main->Board()->CellWidth(), cell);
  EXPECT_EQ(Main->Board()->ColumnLeft(1), left + 100);
}

TEST_F(WindowTest, ToolbarComponentsStandWhereTheDesignPutsThem) {
  EXPECT_EQ(SpeedPanel(Main)->geometry(), QRect(0, 0, 478, 39));
  EXPECT_EQ(BtnNewGame(Main)->geometry(), QRect(8, 7, 25, 25));
  EXPECT_EQ(BtnNewGame(Main)->iconSize(), QSize(22, 22));
  EXPECT_EQ(PanelNewPrompt(Main)->geometry(), QRect(8, 32, 25, 4));
  EXPECT_EQ(BtnPop(Main)->geometry(), QRect(34, 7, 25, 25));
  EXPECT_EQ(BtnPop(Main)->iconSize(), QSize(16, 22));
  EXPECT_EQ(SpeedButtonLifeline(Main)->geometry(), QRect(73, 3, 31, 31));
  EXPECT_EQ(SpeedButtonLifeline(Main)->iconSize(), QSize(23, 23));
  EXPECT_TRUE(SpeedButtonLifeline(Main)->isCheckable());
  EXPECT_EQ(PanelCountdown(Main)->geometry(), QRect(355, 3, 88, 32));
  EXPECT_EQ(PanelCountdownBar(Main)->geometry().topLeft(), QPoint(1, 1));
  EXPECT_EQ(PanelCountdownBar(Main)->height(), 30);
  EXPECT_EQ(BtnPause(Main)->geometry(), QRect(447, 7, 25, 25));
  EXPECT_EQ(BtnPause(Main)->iconSize(), QSize(16, 16));
  EXPECT_EQ(PanelPausePrompt(Main)->geometry(), QRect(447, 32, 25, 4));
  EXPECT_EQ(LabelNumLifelines(Main)->geometry().right() + 1, 132);
  EXPECT_EQ(LabelScore(Main)->geometry().right() + 1, 346);
  EXPECT_EQ(StatusBar(Main)->geometry(), QRect(0, 511 - 20, 478, 20));
  for (QToolButton* button : {BtnNewGame(Main), BtnPop(Main), SpeedButtonLifeline(Main), BtnPause(Main)}) {
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(button->autoRaise());
  }
}

TEST_F(WindowTest, RightAnchoredComponentsKeepTheirDistanceFromTheRightEdge) {
  Main->resize(600, 511);
  Main->FormResize();
  EXPECT_EQ(PanelCountdown(Main)->x(), 355 + 122);
  EXPECT_EQ(BtnPause(Main)->x(), 447 + 122);
  EXPECT_EQ(PanelPausePrompt(Main)->x(), 447 + 122);
  EXPECT_EQ(LabelScore(Main)->geometry().right() + 1, 346 + 122);
  EXPECT_EQ(BtnPop(Main)->x(), 34);  // anchored left
  EXPECT_EQ(LabelNumLifelines(Main)->geometry().right() + 1, 132);
  EXPECT_EQ(StatusBar(Main)->geometry(), QRect(0, 511 - 20, 600, 20));
}

TEST_F(WindowTest, LabelsGrowToTheLeftWithTheirText) {
  StartGame();
  const int narrow = LabelScore(Main)->width();
  Main->Game().SetScore(-123456);
  Main->ShowScore();
  EXPECT_EQ(LabelScore(Main)->text(), "-123456");
  EXPECT_GT(LabelScore(Main)->width(), narrow);
  EXPECT_EQ(LabelScore(Main)->geometry().right() + 1, 346);
  const QFont font = LabelScore(Main)->font();
  EXPECT_EQ(font.family(), "Arial");
  EXPECT_EQ(font.pixelSize(), 27);
  EXPECT_TRUE(font.bold());
}

TEST_F(WindowTest, HintsGiveTheirShortPartAsToolTipAndTheLongPartToTheStatusBar) {
  EXPECT_EQ(BtnNewGame(Main)->toolTip(), "Choose a new game (F5)");
  EXPECT_EQ(BtnPop(Main)->toolTip(), "Menu");
  EXPECT_EQ(SpeedButtonLifeline(Main)->toolTip(), "Lifeline");
  EXPECT_EQ(LabelNumLifelines(Main)->toolTip(), "Number of lifelines remaining");
  EXPECT_EQ(LabelScore(Main)->toolTip(), "Score");
  EXPECT_EQ(PanelCountdown(Main)->toolTip(), "Game Time");
  EXPECT_EQ(BtnPause(Main)->toolTip(), "Pause / Resume (F3)");

  // Qt hands a status tip up from the widget under the pointer.
  QStatusTipEvent tip(SpeedButtonLifeline(Main)->statusTip());
  QApplication::sendEvent(SpeedButtonLifeline(Main), &tip);
  EXPECT_EQ(StatusBar(Main)->text(), " Click this before activating a mine, and the game continues.");
  QStatusTipEvent empty{QString()};
  QApplication::sendEvent(BtnPause(Main), &empty);
  EXPECT_EQ(StatusBar(Main)->text(), " ");
}

TEST_F(WindowTest, TheDialogsHintGoesWithTheDialog) {
  AnswerDialog = [this](TDlgNewGame& dialog) {
    QStatusTipEvent tip(dialog.TrackBarMinefieldSize->statusTip());
    QApplication::sendEvent(dialog.TrackBarMinefieldSize, &tip);
    EXPECT_TRUE(StatusBar(Main)->text().contains("size of the minefield")) << StatusBar(Main)->text().toStdString();
    return true;  // OK from the keyboard: the pointer never leaves the slider
  };
  BtnNewGame(Main)->click();
  EXPECT_TRUE(Main->GameActive());
  EXPECT_EQ(StatusBar(Main)->text(), " ");
}

TEST_F(WindowTest, TheGameScreenClearsTheWindowsOwnHint) {
  Main->setToolTip("Challenge this score");
  Main->setStatusTip("Click to play a game with the same settings.");
  Main->DisplayHint(Main->statusTip());
  StartGame();
  EXPECT_TRUE(Main->toolTip().isEmpty());
  EXPECT_TRUE(Main->statusTip().isEmpty());
  EXPECT_EQ(StatusBar(Main)->text(), " ");
}
