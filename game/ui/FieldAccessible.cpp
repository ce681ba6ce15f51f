#include "game/ui/FieldAccessible.h"
#include <QWidget>
#include "board/Board.h"
#include "board/ui/TranslatedPhrase.h"
#include "game/Game.h"
#include "game/ui/GameScreen.h"

namespace {

// One square of the field. It holds only its place: its name, its
// description and its state are read from the board whenever asked.
class TSquareAccessible final : public TAccessibleTableCell {
 public:
  TSquareAccessible(TFieldAccessible* field, int column, int row)
      : TAccessibleTableCell(field, row - 1, column - 1), FField(*field) {}

  bool isValid() const override { return FField.Board() && FField.Board()->OnField(Column(), Row()); }
  QRect rect() const override { return FField.SquareRect(Column(), Row()); }
  QAccessible::Role role() const override { return QAccessible::Cell; }

  QString text(QAccessible::Text type) const override {
    const TBoard* board = FField.Board();
    if (!board) return QString();
    if (type == QAccessible::Name) return Translated(CellNamePhrase(*board, Column(), Row()));
    if (type == QAccessible::Description) return Translated(CellDescriptionPhrase(*board, Column(), Row()));
    return QString();
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.invisible = FField.state().invisible;
    state.focused = FField.CursorOn(Column(), Row()) && FField.state().focused;
    return state;
  }

 private:
  // The square's column and row on the field, counted from 1.
  int Column() const { return columnIndex() + 1; }
  int Row() const { return rowIndex() + 1; }

  const TFieldAccessible& FField;
};

int CellKey(int column, int row) { return row * TBoard::MaxColumns + column; }

}  // namespace

TFieldAccessible::TFieldAccessible(TGameScreen* screen) : TAccessibleTable(screen) {
  FSerial = Game().Serial();
  if (const TBoard* board = Board()) FHeard.Reset(*board);
}

TFieldAccessible::~TFieldAccessible() = default;

const TGame& TFieldAccessible::Game() const { return static_cast<const TGameScreen*>(widget())->Game(); }

const TBoard* TFieldAccessible::Board() const { return Game().Board(); }

void TFieldAccessible::FollowField() const {
  if (Game().Serial() == FSerial) return;
  FSerial = Game().Serial();
  DropCells();
  if (const TBoard* board = Board()) FHeard.Reset(*board);
}

QAccessibleInterface* TFieldAccessible::Cell(int column, int row) const {
  FollowField();
  const TBoard* board = Board();
  if (!board || !board->OnField(column, row)) return nullptr;
  return KeptCell(CellKey(column, row),
                  [&] { return new TSquareAccessible(const_cast<TFieldAccessible*>(this), column, row); });
}

bool TFieldAccessible::CursorOn(int column, int row) const {
  const TFieldCursor& cursor = Game().Cursor();
  return cursor.Shown() && cursor.Column() == column && cursor.Row() == row;
}

QRect TFieldAccessible::SquareRect(int column, int row) const {
  const TBoard* board = Board();
  if (!board || !board->OnField(column, row)) return QRect();
  // The board lays its squares out in the window's client area.
  const QWidget* window = widget()->parentWidget();
  const QPoint topLeft = window->mapToGlobal(QPoint(board->ColumnLeft(column), board->RowTop(row)));
  return QRect(topLeft, QSize(board->ColumnRight(column) - board->ColumnLeft(column) + 1,
                              board->RowBottom(row) - board->RowTop(row) + 1));
}

int TFieldAccessible::columnCount() const { return Board() ? Board()->SizeX() : 0; }
int TFieldAccessible::rowCount() const { return Board() ? Board()->SizeY() : 0; }
int TFieldAccessible::childCount() const { return columnCount() * rowCount(); }

QAccessibleInterface* TFieldAccessible::child(int index) const {
  const int columns = columnCount();
  if (index < 0 || index >= childCount()) return nullptr;
  return Cell(index % columns + 1, index / columns + 1);
}

int TFieldAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const QAccessibleTableCellInterface* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
  if (!cell || child->parent() != this) return -1;
  return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* TFieldAccessible::childAt(int x, int y) const {
  const TBoard* board = Board();
  if (!board) return nullptr;
  const QPoint at = widget()->parentWidget()->mapFromGlobal(QPoint(x, y));
  int column = 0, row = 0;
  return board->CellAt(at.x(), at.y(), column, row) ? Cell(column, row) : nullptr;
}

QAccessibleInterface* TFieldAccessible::focusChild() const {
  const TFieldCursor& cursor = Game().Cursor();
  return cursor.Shown() ? Cell(cursor.Column(), cursor.Row()) : nullptr;
}

void TFieldAccessible::CursorMoved() { TellFocus(); }

// Only cells already made report: a reader knows no other, and one made
// later reads the field as it then stands. So a flood over a large field
// costs nothing for the squares no reader has asked about.
void TFieldAccessible::ReportChanges() {
  FollowField();
  const TBoard* board = Board();
  if (!board) return;
  bool cursorChanged = false;
  for (const TSquare& square : FHeard.TakeChanged(*board)) {
    cursorChanged = cursorChanged || CursorOn(square.Column, square.Row);
    QAccessibleInterface* made = MadeCell(CellKey(square.Column, square.Row));
    if (!made) continue;
    QAccessibleEvent event(made, QAccessible::NameChanged);
    Events().Send(event);
  }
  if (cursorChanged) RenewCursorCell();
}

// Screen readers pass over name changes of table cells (Orca drops them as
// the chatter of mail programs), and the focus given again to the same cell
// says nothing. So the square under the cursor, changed by a play, becomes
// a new cell that takes the focus, and the reader says at once what the
// play did there.
void TFieldAccessible::RenewCursorCell() {
  const TFieldCursor& cursor = Game().Cursor();
  if (!cursor.Shown() || !widget()->hasFocus()) return;
  DropCell(CellKey(cursor.Column(), cursor.Row()));
  TellFocus();
}

QAccessibleInterface* FieldAccessibleFactory(const QString&, QObject* object) {
  if (auto* screen = qobject_cast<TGameScreen*>(object)) return new TFieldAccessible(screen);
  return nullptr;
}
