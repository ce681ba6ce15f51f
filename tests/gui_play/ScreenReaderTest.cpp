#include <map>
#include <set>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include "WindowFixture.h"
#include "board/CellSpeech.h"
#include "game/ui/FieldAccessible.h"
#include "support/AccessibleEvents.h"
#include "support/WindowParts.h"

// The game as a screen reader meets it, through Qt's accessibility
// interfaces: the field's table and its cells, what it is told after each
// key, the toolbar's values, and the keys a player without a mouse needs.
class ScreenReaderTest : public WindowTest {
 protected:
  QWidget* Field() const { return NamedPart<QWidget>(Main, "GameScreen"); }
  // What a reader gets when it first asks for the field.
  QAccessibleInterface* FieldFace() const { return QAccessible::queryAccessibleInterface(Field()); }
  TAccessibleEventSink* FieldEvents() const { return &dynamic_cast<TFieldAccessible*>(FieldFace())->Events(); }
  QAccessibleInterface* CellOf(TCell cell) const {
    return FieldFace()->tableInterface()->cellAt(cell.Row - 1, cell.Column - 1);
  }
  // Every cell's name, each cell made (as a reader walking the table makes them).
  std::map<std::pair<int, int>, QString> ReadEveryCell() const {
    std::map<std::pair<int, int>, QString> names;
    QAccessibleTableInterface* table = FieldFace()->tableInterface();
    for (int row = 0; row < table->rowCount(); ++row)
      for (int column = 0; column < table->columnCount(); ++column)
        names[{column + 1, row + 1}] = table->cellAt(row, column)->text(QAccessible::Name);
    return names;
  }
  // The cells that reported a change are exactly those whose name changed,
  // each with its new name.
  void ExpectReportedChanges(const std::map<std::pair<int, int>, QString>& before,
                             const std::vector<TAccessibleEvents::THeard>& heard) {
    const auto after = ReadEveryCell();
    std::map<std::pair<int, int>, QString> changed, reported;
    for (const auto& [cell, name] : after)
      if (before.at(cell) != name) changed[cell] = name;
    for (const TAccessibleEvents::THeard& event : heard) {
      ASSERT_GE(event.Row, 0) << "a cell of the table";
      reported[{event.Column + 1, event.Row + 1}] = event.Name;
    }
    EXPECT_FALSE(changed.empty());
    EXPECT_EQ(reported, changed);
  }
};

TEST_F(ScreenReaderTest, TheFieldIsATableOfItsSquares) {
  StartSeededGame({.Columns = 11, .Rows = 9, .MinePopulation = 40}, 41);
  ASSERT_EQ(Main->Board()->SizeX(), 11);

  QAccessibleInterface* field = FieldFace();
  ASSERT_TRUE(field);
  EXPECT_EQ(field->role(), QAccessible::Table);
  EXPECT_EQ(field->text(QAccessible::Name), "Minefield");
  QAccessibleTableInterface* table = field->tableInterface();
  ASSERT_TRUE(table);
  EXPECT_EQ(table->columnCount(), 11);
  EXPECT_EQ(table->rowCount(), 9);
  EXPECT_EQ(field->childCount(), 99);

  QAccessibleInterface* cell = table->cellAt(6, 3);  // column 4, row 7
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->role(), QAccessible::Cell);
  EXPECT_EQ(cell->text(QAccessible::Name), "Covered");
  EXPECT_EQ(cell->text(QAccessible::Description), "Column 4, row 7; single square");
  EXPECT_EQ(cell, table->cellAt(6, 3)) << "one cell per square, kept";
  EXPECT_EQ(field->child(field->indexOfChild(cell)), cell);
  EXPECT_EQ(cell->parent(), field);
  const TBoard& board = *Main->Board();
  const QRect square(Main->mapToGlobal(QPoint(board.ColumnLeft(4), board.RowTop(7))),
                     Main->mapToGlobal(QPoint(board.ColumnRight(4), board.RowBottom(7))));
  EXPECT_EQ(cell->rect(), square);
  EXPECT_EQ(field->childAt(square.center().x(), square.center().y()), cell);

  // A new field: the cells of the old one go, whoever kept them.
  const QAccessible::Id old = QAccessible::uniqueId(cell);
  TAccessibleEvents listening({FieldEvents()});
  StartSeededGame({.Columns = 7, .Rows = 7, .MinePopulation = 40}, 42);
  EXPECT_EQ(QAccessible::accessibleInterface(old), nullptr);
  EXPECT_EQ(table->rowCount(), 7);
  EXPECT_EQ(table->cellAt(6, 3)->text(QAccessible::Description), "Column 4, row 7; single square");
}

TEST_F(ScreenReaderTest, EachCursorMoveGivesItsSquareTheFocus) {
  StartSeededGame({.Columns = 9, .Rows = 9, .MinePopulation = 40}, 43);
  QApplication::setActiveWindow(Main);
  TAccessibleEvents events({FieldEvents()});
  QAccessibleInterface* field = FieldFace();
  EXPECT_EQ(field->focusChild(), nullptr) << "no cursor yet";

  FieldKey(Qt::Key_Right);  // shows the cursor on the centre
  auto focus = events.Take(QAccessible::Focus);
  ASSERT_EQ(focus.size(), 1u);
  EXPECT_EQ(focus[0].Object, CellOf({5, 5}));
  EXPECT_EQ(focus[0].Name, "Covered");
  EXPECT_EQ(focus[0].Description, "Column 5, row 5; single square");
  EXPECT_TRUE(CellOf({5, 5})->state().focused);
  EXPECT_EQ(field->focusChild(), CellOf({5, 5}));

  FieldKey(Qt::Key_Right);
  FieldKey(Qt::Key_Down, Qt::NoModifier, true);  // held keys move, and are heard, each time
  focus = events.Take(QAccessible::Focus);
  ASSERT_EQ(focus.size(), 2u);
  EXPECT_EQ(focus[1].Description, "Column 6, row 6; single square");
  EXPECT_FALSE(CellOf({5, 5})->state().focused);

  // The pointer over the field hides the cursor: no cell has the focus.
  MoveTo(CentreOf({2, 2}));
  EXPECT_EQ(field->focusChild(), nullptr);
  EXPECT_FALSE(CellOf({6, 6})->state().focused);
}

// Screen readers pass over name changes of table cells; the cursor's square
// is told again as a new cell taking the focus, so what a key did there is
// heard at once.
TEST_F(ScreenReaderTest, AfterEachPlayExactlyTheCellsThatChangedReport) {
  StartSeededGame({.Columns = 9, .Rows = 9, .MinePopulation = 60}, 44);
  QApplication::setActiveWindow(Main);
  TAccessibleEvents events({FieldEvents()});
  auto names = ReadEveryCell();
  events.Take(QAccessible::NameChanged);

  const TCell safe = ACoveredSafeArea();
  GoTo(safe);
  const QAccessible::Id before = QAccessible::uniqueId(CellOf(safe));
  events.Take(QAccessible::Focus);
  FieldKey(Qt::Key_Space);
  ExpectReportedChanges(names, events.Take(QAccessible::NameChanged));
  const auto focus = events.Take(QAccessible::Focus);
  ASSERT_EQ(focus.size(), 1u);
  EXPECT_EQ(QAccessible::accessibleInterface(before), nullptr) << "the old cell went";
  EXPECT_EQ(focus[0].Object, CellOf(safe));
  EXPECT_EQ(focus[0].Name, QString::number(AreaOf(safe)->MineCount));
  EXPECT_EQ(focus[0].Description, CellOf(safe)->text(QAccessible::Description));

  names = ReadEveryCell();
  const TCell tinted = ACoveredSafeArea();
  GoTo(tinted);
  FieldKey(Qt::Key_T);
  auto heard = events.Take(QAccessible::NameChanged);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].Name, "Covered, tinted");
  ExpectReportedChanges(names, heard);

  names = ReadEveryCell();
  FieldKey(Qt::Key_M);
  heard = events.Take(QAccessible::NameChanged);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].Name, "Marked");

  // A mine goes off: every mine is shown and says so before the message.
  names = ReadEveryCell();
  std::size_t heardBeforeMessage = 0;
  WhileMessageShown = [&] { heardBeforeMessage = events.Take(QAccessible::NameChanged).size(); };
  GoTo(AMine());
  FieldKey(Qt::Key_Space);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Game Over! You tripped the minefield!");
  std::size_t mineSquares = 0;
  for (const auto& [cell, name] : names) mineSquares += AreaOf({cell.first, cell.second})->Mine && name != "Mine";
  EXPECT_EQ(heardBeforeMessage, mineSquares);
}

// Cells are made when a reader asks for them; those never asked for have no
// one to tell, however much a flood opens.
TEST_F(ScreenReaderTest, OnlyCellsAReaderHasMetReport) {
  StartSeededGame({.Columns = 30, .Rows = 20, .MinePopulation = 0}, 45);
  QApplication::setActiveWindow(Main);
  TAccessibleEvents events({FieldEvents()});
  std::set<QAccessibleInterface*> met = {CellOf({30, 20})};
  GoTo({1, 1});
  for (const auto& focus : events.Take(QAccessible::Focus)) met.insert(focus.Object);
  FieldKey(Qt::Key_Space);  // no mines: the whole field opens
  std::set<QAccessibleInterface*> reported;
  for (const auto& heard : events.Take(QAccessible::NameChanged)) {
    EXPECT_EQ(heard.Name, "0");
    reported.insert(heard.Object);
  }
  EXPECT_EQ(reported, met) << "of 600 squares opened, the few met";
}

TEST_F(ScreenReaderTest, TheToolbarsValuesAreNamedAndReadAsText) {
  StartSeededGame({.Columns = 9, .Rows = 9, .MinePopulation = 40}, 46);
  const struct {
    QWidget* Widget;
    const char* Name;
    const char* Value;
  } values[] = {
      {LabelScore(Main), "Score", "100"},
      {LabelNumLifelines(Main), "Lifelines left", "2"},
      {PanelCountdown(Main), "Time", "00:00"},
  };
  for (const auto& value : values) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(value.Widget);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->text(QAccessible::Name), value.Name);
    ASSERT_TRUE(face->textInterface()) << value.Name;
    EXPECT_EQ(face->textInterface()->text(0, face->textInterface()->characterCount()), value.Value);
    EXPECT_EQ(face->childCount(), 0) << value.Name << ": the clock's bar repeats no second value";
  }
  GoTo(ACoveredSafeArea());
  FieldKey(Qt::Key_Space);
  QAccessibleTextInterface* score = QAccessible::queryAccessibleInterface(LabelScore(Main))->textInterface();
  EXPECT_EQ(score->text(0, score->characterCount()), QString::number(Main->Score()));
}

TEST_F(ScreenReaderTest, LArmsAndDisarmsTheLifelineAsItsButtonDoes) {
  StartSeededGame({.Columns = 9, .Rows = 9, .MinePopulation = 40}, 47);
  FieldKey(Qt::Key_L);
  EXPECT_TRUE(Main->UsingLifeline());
  EXPECT_TRUE(SpeedButtonLifeline(Main)->isChecked());
  FieldKey(Qt::Key_L, Qt::NoModifier, true);  // held: once per press
  EXPECT_TRUE(Main->UsingLifeline());
  FieldKey(Qt::Key_L);
  EXPECT_FALSE(Main->UsingLifeline());
  FieldKey(Qt::Key_L, Qt::ControlModifier);
  EXPECT_FALSE(Main->UsingLifeline()) << "Ctrl+L is no field key";

  for (int spent = 0; spent < 2; ++spent) {
    FieldKey(Qt::Key_L);
    GoTo(ACoveredSafeArea());
    FieldKey(Qt::Key_Space);
  }
  ASSERT_EQ(Main->NumLifelines(), 0);
  FieldKey(Qt::Key_L);
  EXPECT_FALSE(Main->UsingLifeline()) << "none left: the button stays up";
  EXPECT_FALSE(SpeedButtonLifeline(Main)->isChecked());

  Key(Qt::Key_F3);  // the score screen: the lifeline rests
  FieldKey(Qt::Key_L);
  EXPECT_FALSE(Main->UsingLifeline());
}

// A click on a toolbar button, or a menu item, leaves the keys with the
// field: the arrows go on moving the cursor.
TEST_F(ScreenReaderTest, TheKeysStayWithTheFieldAfterTheToolbarAndTheMenu) {
  StartSeededGame({.Columns = 9, .Rows = 9, .MinePopulation = 40}, 48);
  QApplication::setActiveWindow(Main);
  ASSERT_EQ(QApplication::focusWidget(), Field());
  QTest::mouseClick(SpeedButtonLifeline(Main), Qt::LeftButton);
  EXPECT_TRUE(Main->UsingLifeline());
  EXPECT_EQ(QApplication::focusWidget(), Field());
  QTest::mouseClick(SpeedPanel(Main), Qt::LeftButton, {}, QPoint(200, 20));
  EXPECT_EQ(QApplication::focusWidget(), Field());
  OneMark1(Main)->trigger();
  EXPECT_EQ(QApplication::focusWidget(), Field());
  QTest::mouseClick(BtnPause(Main), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "ScoreTable") << "the keys go with the screen";
  QTest::mouseClick(BtnPause(Main), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), Field());
  FieldKey(Qt::Key_Right);
  EXPECT_TRUE(Main->Game().Cursor().Shown());
}
