#include "game/ui/FieldAccessible.h"
#include <QWidget>
#include "board/Board.h"
#include "board/ui/TranslatedPhrase.h"
#include "game/Game.h"
#include "game/ui/GameScreen.h"

namespace {

// One square of the field. It holds only its place: its name, its
// description and its state are read from the board whenever asked.
class TSquareAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TSquareAccessible(TFieldAccessible* field, int column, int row) : FField(field), FColumn(column), FRow(row) {}

  bool isValid() const override { return FField->Board() && FField->Board()->OnField(FColumn, FRow); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FField->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return FField; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return FField->SquareRect(FColumn, FRow); }
  QAccessible::Role role() const override { return QAccessible::Cell; }

  QString text(QAccessible::Text type) const override {
    const TBoard* board = FField->Board();
    if (!board) return QString();
    if (type == QAccessible::Name) return Translated(CellNamePhrase(*board, FColumn, FRow));
    if (type == QAccessible::Description) return Translated(CellDescriptionPhrase(*board, FColumn, FRow));
    return QString();
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.invisible = FField->state().invisible;
    state.focused = FField->CursorOn(FColumn, FRow) && FField->state().focused;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FColumn - 1; }
  int rowIndex() const override { return FRow - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return FField; }

 private:
  // The field deletes its cells before it goes.
  TFieldAccessible* FField;
  int FColumn;
  int FRow;
};

int CellKey(int column, int row) { return row * TBoard::MaxColumns + column; }

}  // namespace

TFieldAccessible::TFieldAccessible(TGameScreen* screen) : QAccessibleWidget(screen, QAccessible::Table) {
  FSerial = Game().Serial();
  if (const TBoard* board = Board()) FHeard.Reset(*board);
}

TFieldAccessible::~TFieldAccessible() { DropCells(); }

const TGame& TFieldAccessible::Game() const { return static_cast<const TGameScreen*>(widget())->Game(); }

const TBoard* TFieldAccessible::Board() const { return Game().Board(); }

void TFieldAccessible::FollowField() const {
  if (Game().Serial() == FSerial) return;
  FSerial = Game().Serial();
  DropCells();
  if (const TBoard* board = Board()) FHeard.Reset(*board);
}

void TFieldAccessible::DropCells() const {
  for (const auto& [key, id] : FCells) QAccessible::deleteAccessibleInterface(id);
  FCells.clear();
}

QAccessibleInterface* TFieldAccessible::Cell(int column, int row) const {
  FollowField();
  const TBoard* board = Board();
  if (!board || !board->OnField(column, row)) return nullptr;
  QAccessible::Id& id = FCells[CellKey(column, row)];
  if (!id)
    id = QAccessible::registerAccessibleInterface(
        new TSquareAccessible(const_cast<TFieldAccessible*>(this), column, row));
  return QAccessible::accessibleInterface(id);
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

void* TFieldAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

void TFieldAccessible::CursorMoved() {
  QAccessibleInterface* cell = focusChild();
  if (!cell || !widget()->hasFocus()) return;
  QAccessibleEvent event(cell, QAccessible::Focus);
  FEvents.Send(event);
}

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
    const auto made = FCells.find(CellKey(square.Column, square.Row));
    if (made == FCells.end()) continue;
    QAccessibleEvent event(QAccessible::accessibleInterface(made->second), QAccessible::NameChanged);
    FEvents.Send(event);
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
  const auto made = FCells.find(CellKey(cursor.Column(), cursor.Row()));
  if (made != FCells.end()) {
    QAccessible::deleteAccessibleInterface(made->second);
    FCells.erase(made);
  }
  CursorMoved();
}

QAccessibleInterface* FieldAccessibleFactory(const QString&, QObject* object) {
  if (auto* screen = qobject_cast<TGameScreen*>(object)) return new TFieldAccessible(screen);
  return nullptr;
}
