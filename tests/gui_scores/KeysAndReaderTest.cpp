#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include "ScoreScreenFixture.h"
#include "scores/ScoreText.h"
#include "scores/ui/ScoreTable.h"
#include "scores/ui/ScoreTableAccessible.h"
#include "support/AccessibleEvents.h"
#include "support/WindowParts.h"

// The score screen from the keyboard and through a screen reader: Up and
// Down choose a listed game as the pointer does, Space challenges it, and
// the table reads as it is painted.
class ScoreKeys : public ScoreScreen {
 protected:
  void SetUp() override {
    ScoreScreen::SetUp();
    TGameRecord timed = ListedGame("Bob", 600);
    timed.TimedGame = 1;
    timed.GameSpeed = 9;
    timed.SizeX = 34;
    timed.SizeY = 23;
    WriteScores({ListedGame("Ann", 800), timed, ListedGame("Cy", 400)});
    Repaint();
  }
  QWidget* Table() const { return NamedPart<QWidget>(Main, "ScoreTable"); }
  QAccessibleInterface* Face() const { return QAccessible::queryAccessibleInterface(Table()); }
  void TableKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(Table(), &press);
  }
};

TEST_F(ScoreKeys, UpAndDownChooseAListedGameDrawnAsTheHoveredRowIs) {
  HoverRow(2);
  const QImage hovered = Main->CanvasImage().copy();
  const QString hoverStatus = StatusBar(Main)->text();
  HoverRow(5);  // a placeholder: no row chosen
  ASSERT_EQ(Main->HoverRow(), 0);

  TableKey(Qt::Key_Down);
  EXPECT_EQ(Main->HoverRow(), 1) << "from no choice, Down takes the best game";
  TableKey(Qt::Key_Down);
  EXPECT_EQ(Main->HoverRow(), 2);
  EXPECT_EQ(Main->CanvasImage(), hovered) << "the very markers of the pointer's hover";
  EXPECT_EQ(StatusBar(Main)->text(), hoverStatus);
  TableKey(Qt::Key_Down);
  TableKey(Qt::Key_Down);
  EXPECT_EQ(Main->HoverRow(), 3) << "placeholders are passed by: the last game is the end";
  TableKey(Qt::Key_Down, Qt::ControlModifier);
  TableKey(Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Main->HoverRow(), 3) << "with a modifier held, no move";

  // The pointer and the keys share one choice; the last move wins.
  HoverRow(1);
  TableKey(Qt::Key_Down);
  EXPECT_EQ(Main->HoverRow(), 2);
  TableKey(Qt::Key_Up);
  TableKey(Qt::Key_Up);
  EXPECT_EQ(Main->HoverRow(), 1);
  HoverRow(7);
  TableKey(Qt::Key_Up);
  EXPECT_EQ(Main->HoverRow(), 3) << "from no choice, Up takes the last game listed";
}

TEST_F(ScoreKeys, SpaceChallengesTheChosenGameAndNothingWithoutOne) {
  TableKey(Qt::Key_Space);
  EXPECT_EQ(DialogsShown, 0) << "nothing chosen: nothing to challenge";
  TableKey(Qt::Key_Down);
  TableKey(Qt::Key_Down);
  TableKey(Qt::Key_Space);
  EXPECT_EQ(DialogsShown, 1);
  EXPECT_EQ(SizeXWhenShown, 34) << "Bob's game, as a click on its row challenges it";

  StartGameThroughDialog();
  Main->BtnPauseClick();  // the scores, with a game in play
  ASSERT_EQ(Main->ScreenShown(), ss_Scores);
  Repaint();
  AnswerYes = false;
  TableKey(Qt::Key_Down);
  TableKey(Qt::Key_Space);
  EXPECT_EQ(WarningsAsked, 1) << "a game in progress is given up only when the player says so";
  EXPECT_TRUE(Main->GameActive());
}

TEST_F(ScoreKeys, TheKeysAreTheTablesOnTheScoreScreenAndOthersGoOn) {
  QApplication::setActiveWindow(Main);
  EXPECT_EQ(QApplication::focusWidget(), Table());
  TableKey(Qt::Key_F5);
  EXPECT_EQ(DialogsShown, 1) << "the window's keys reach the window";
}

TEST_F(ScoreKeys, TheTableReadsAsItIsPaintedWithTheChosenGameAsCurrentRow) {
  QAccessibleInterface* face = Face();
  ASSERT_TRUE(face);
  EXPECT_EQ(face->role(), QAccessible::Table);
  EXPECT_EQ(face->text(QAccessible::Name), "Scores");
  QAccessibleTableInterface* table = face->tableInterface();
  ASSERT_TRUE(table);
  EXPECT_EQ(table->rowCount(), 3) << "one row per listed game, no placeholders";
  ASSERT_EQ(table->columnCount(), 8);

  const QStringList heads = {"Player", "Timed", "Linking", "Shaped cells", "Mines", "Holes", "Size", "Score"};
  for (int column = 0; column < 8; ++column) {
    EXPECT_EQ(table->columnDescription(column), heads[column]);
    QAccessibleInterface* head = face->child(column);
    EXPECT_EQ(head->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(head->text(QAccessible::Name), heads[column]);
    EXPECT_EQ(table->cellAt(0, column)->tableCellInterface()->columnHeaderCells().value(0), head);
  }
  for (int row = 0; row < 3; ++row) {
    const TScoreRowTexts painted = ScoreRowTexts(Main->ScoreList()[std::size_t(row) + 1]);
    for (int column = 0; column < 8; ++column)
      EXPECT_EQ(table->cellAt(row, column)->text(QAccessible::Name).toStdString(), painted[std::size_t(column)]);
  }
  EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "Bob");
  EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), "9");
  EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name), "") << "untimed: the column is empty";
  EXPECT_EQ(table->cellAt(1, 6)->text(QAccessible::Name), "34 x 23");
  EXPECT_EQ(table->cellAt(1, 7)->text(QAccessible::Name), "600");

  QApplication::setActiveWindow(Main);
  TAccessibleEvents events({&dynamic_cast<TScoreTableAccessible*>(face)->Events()});
  EXPECT_TRUE(table->selectedRows().isEmpty());
  TableKey(Qt::Key_Down);
  TableKey(Qt::Key_Down);
  EXPECT_EQ(table->selectedRows(), QList<int>{1});
  EXPECT_TRUE(table->cellAt(1, 7)->state().selected);
  const auto focus = events.Take(QAccessible::Focus);
  ASSERT_EQ(focus.size(), 2u);
  EXPECT_EQ(focus[1].Object, table->cellAt(1, 0));
  EXPECT_EQ(focus[1].Name, "Bob");
  EXPECT_TRUE(table->cellAt(1, 0)->state().focused);
}
