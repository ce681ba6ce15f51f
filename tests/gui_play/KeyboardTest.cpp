#include <QApplication>
#include <QKeyEvent>
#include "WindowFixture.h"
#include "support/WindowParts.h"

// A whole game played from the keyboard: the keys go where Qt sends them,
// to the window's focus widget.
class KeyboardTest : public WindowTest {
 protected:
  QWidget* KeyTarget() const { return Main->focusWidget() ? Main->focusWidget() : Main; }
  int Played() const {
    return CountAreas([](const TAreaProperties& a) { return a.Uncovered || a.Marked; });
  }
  QRgb CanvasAt(int x, int y) const { return Main->CanvasImage().pixel(x, y); }
};

TEST_F(KeyboardTest, AGameIsWonWithTheKeysAlone) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 40}, 31);
  EXPECT_EQ(KeyTarget()->objectName(), "GameScreen");
  EXPECT_EQ(KeyTarget()->accessibleName(), "Minefield");
  for (QToolButton* button : {BtnNewGame(Main), BtnPop(Main), SpeedButtonLifeline(Main), BtnPause(Main)}) {
    EXPECT_FALSE(button->accessibleName().isEmpty());
    EXPECT_EQ(button->accessibleName(), button->toolTip());
  }

  const TCell safe = ACoveredSafeArea();
  GoTo(safe);
  FieldKey(Qt::Key_T);
  EXPECT_FALSE(AreaOf(safe)->Uncovered);
  FieldKey(Qt::Key_Space);
  EXPECT_TRUE(AreaOf(safe)->Uncovered);
  for (TCell mine : OneCellPerMine()) {
    GoTo(mine);
    FieldKey(Qt::Key_M, Qt::NoModifier, true);  // a held key marks once
    FieldKey(Qt::Key_M);
  }
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].startsWith("Success!! You cleared the minefield!"));
  EXPECT_EQ(RecordsInScores(), 1);
  EXPECT_EQ(LastScore().Score, Main->Score());
}

TEST_F(KeyboardTest, AGameIsLostWithTheKeysAloneAndKeysWaitForTheMessage) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 40}, 32);
  GoTo(ACoveredSafeArea());
  FieldKey(Qt::Key_Space);  // past the grace of the first uncover
  const TCell mine = AMine();
  GoTo(mine);
  int playedDuringMessage = -1;
  WhileMessageShown = [&] {
    const int before = Played();
    for (int key : {Qt::Key_Left, Qt::Key_Space, Qt::Key_M}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(NamedPart<QWidget>(Main, "GameScreen"), &press);
    }
    playedDuringMessage = Played() - before;
  };
  FieldKey(Qt::Key_Space);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You tripped the minefield!");
  EXPECT_EQ(playedDuringMessage, 0);
  EXPECT_EQ(RecordsInScores(), 1);
  EXPECT_FALSE(Main->GameActive());
}

TEST_F(KeyboardTest, TheCursorStopsAtTheEdgesRepeatsAndKeepsTheFocus) {
  StartSeededGame({.Columns = 12, .Rows = 9, .MinePopulation = 20}, 33);
  FieldKey(Qt::Key_Up);  // the first key only shows the cursor
  EXPECT_EQ(CursorCell().Column, 6);
  EXPECT_EQ(CursorCell().Row, 5);
  for (int i = 0; i < 20; ++i) FieldKey(Qt::Key_Left, Qt::NoModifier, true);
  FieldKey(Qt::Key_PageUp);
  FieldKey(Qt::Key_Up);
  FieldKey(Qt::Key_Tab);
  EXPECT_EQ(CursorCell().Column, 1);
  EXPECT_EQ(CursorCell().Row, 1);
  FieldKey(Qt::Key_End);
  FieldKey(Qt::Key_PageDown);
  FieldKey(Qt::Key_Right);
  FieldKey(Qt::Key_Down);
  EXPECT_EQ(CursorCell().Column, 12);
  EXPECT_EQ(CursorCell().Row, 9);
  EXPECT_EQ(KeyTarget()->objectName(), "GameScreen");

  // The window's keys still reach the window from the field.
  FieldKey(Qt::Key_F6);
  EXPECT_EQ(Main->ScreenShown(), ss_Scores);
  FieldKey(Qt::Key_Left);
  EXPECT_EQ(CursorCell().Column, 12);
}

TEST_F(KeyboardTest, TheFrameOutlinesTheAreaAndThePointerPutsItOut) {
  StartSeededGame({.Columns = 10, .Rows = 10, .MinePopulation = 20}, 34);
  const TBoard& board = *Main->Board();
  ASSERT_GE(board.CellWidth(), 4);
  MoveTo(CentreOf({2, 2}));
  FieldKey(Qt::Key_Down);
  const TCell at = CursorCell();
  EXPECT_EQ(board.Hovered(), nullptr);  // the hover gives way to the cursor
  const int l = board.ColumnLeft(at.Column), t = board.RowTop(at.Row);
  const int middle = (board.ColumnLeft(at.Column) + board.ColumnRight(at.Column)) / 2;
  const int dark = board.CellWidth() >= 16 ? 2 : 1;
  EXPECT_EQ(CanvasAt(middle, t), qRgb(0, 0, 0));
  EXPECT_EQ(CanvasAt(middle, t + dark - 1), qRgb(0, 0, 0));
  EXPECT_EQ(CanvasAt(middle, t + dark), qRgb(255, 255, 255));
  EXPECT_EQ(CanvasAt(l, t + board.CellHeight() / 2), qRgb(0, 0, 0));

  MoveTo(CentreOf({1, 1}));
  EXPECT_FALSE(Main->Game().Cursor().Shown());
  EXPECT_EQ(board.CursorArea(), nullptr);
  EXPECT_NE(CanvasAt(middle, t + dark), qRgb(255, 255, 255));
  FieldKey(Qt::Key_Right);  // shows it again where it was
  EXPECT_EQ(CursorCell().Column, at.Column);
  EXPECT_EQ(board.CursorArea(), AreaOf(at));
}
