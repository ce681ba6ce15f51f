#include "scores/ui/ScoreTableAccessible.h"
#include <algorithm>
#include "board/ui/TranslatedPhrase.h"
#include "scores/ScoreLayout.h"
#include "scores/ScoreText.h"
#include "scores/ui/ScoreScreen.h"
#include "scores/ui/ScoreTable.h"
#include "ui/Cp1252.h"

namespace {

// One cell of the table, or a column's head. It holds only its place and
// reads its text from the list whenever asked.
class TScoreCellAccessible final : public TAccessibleTableCell {
 public:
  TScoreCellAccessible(TScoreTableAccessible* table, int row, int column)
      : TAccessibleTableCell(table, row, column), FTable(*table) {}

  bool isValid() const override { return rowIndex() < FTable.rowCount(); }
  QRect rect() const override { return FTable.CellRect(rowIndex(), columnIndex()); }
  QAccessible::Role role() const override { return rowIndex() < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }
  QString text(QAccessible::Text type) const override {
    return type == QAccessible::Name ? FTable.CellText(rowIndex(), columnIndex()) : QString();
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = FTable.state().invisible;
    if (rowIndex() < 0) return state;
    state.selectable = true;
    state.selected = FTable.IsCurrentRow(rowIndex());
    state.focusable = columnIndex() == 0;
    state.focused = state.selected && columnIndex() == 0 && FTable.state().focused;
    return state;
  }

  bool isSelected() const override { return FTable.IsCurrentRow(rowIndex()); }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    if (rowIndex() < 0) return {};
    return {FTable.Cell(-1, columnIndex())};
  }

 private:
  const TScoreTableAccessible& FTable;
};

int CellKey(int row, int column) { return (row + 1) * sc_Count + column; }

// The columns' left edges in tenths of a row height from the table's left,
// halfway between the anchors of the painted texts; the score's column
// ends with the table.
constexpr int ColumnLeftTenths[sc_Count + 1] = {0, 76, 96, 113, 128, 143, 155, 172, 190};

}  // namespace

TScoreTableAccessible::TScoreTableAccessible(TScoreTable* table) : TAccessibleTable(table) {}

TScoreTableAccessible::~TScoreTableAccessible() = default;

const TScoreScreen& TScoreTableAccessible::Screen() const { return static_cast<const TScoreTable*>(widget())->Screen(); }

int TScoreTableAccessible::columnCount() const { return sc_Count; }
int TScoreTableAccessible::rowCount() const { return int(Screen().ListedRows().size()); }

int TScoreTableAccessible::CurrentRow() const {
  const std::vector<int> rows = Screen().ListedRows();
  const auto chosen = std::find(rows.begin(), rows.end(), Screen().HoverRow());
  return chosen == rows.end() ? -1 : int(chosen - rows.begin());
}

bool TScoreTableAccessible::IsCurrentRow(int row) const { return row >= 0 && row == CurrentRow(); }

QString TScoreTableAccessible::CellText(int row, int column) const {
  if (column < 0 || column >= sc_Count) return QString();
  if (row < 0) return Translated(ScoreColumnPhrase(TScoreColumn(column)));
  const std::vector<int> rows = Screen().ListedRows();
  if (row >= int(rows.size())) return QString();
  const TGameRecord& game = Screen().ScoreList()[std::size_t(rows[std::size_t(row)])];
  const TScoreRowTexts texts = ScoreRowTexts(game);
  if (column != sc_Player) return QString::fromStdString(texts[std::size_t(column)]);
  // The row's name as painted: a row of no game is nobody's in any language.
  return game.Score != 0 ? FromCp1252(texts[sc_Player]) : TScoreScreen::NobodyName();
}

QRect TScoreTableAccessible::CellRect(int row, int column) const {
  if (column < 0 || column >= sc_Count) return QRect();
  const TScoreLayout layout = Screen().Layout();
  int top = layout.Top;  // the column heads stand above row 1
  if (row >= 0) {
    const std::vector<int> rows = Screen().ListedRows();
    if (row >= int(rows.size())) return QRect();
    top = RowTop(layout, rows[std::size_t(row)]) - layout.RowHeight / 6;
  }
  const int left = ColumnX(layout, ColumnLeftTenths[column]);
  const int right = ColumnX(layout, ColumnLeftTenths[column + 1]);
  const QWidget* window = widget()->parentWidget();
  return QRect(window->mapToGlobal(QPoint(left, top)), QSize(right - left, layout.RowHeight));
}

QAccessibleInterface* TScoreTableAccessible::Cell(int row, int column) const {
  if (row < -1 || row >= rowCount() || column < 0 || column >= sc_Count) return nullptr;
  return KeptCell(CellKey(row, column),
                  [&] { return new TScoreCellAccessible(const_cast<TScoreTableAccessible*>(this), row, column); });
}

// The heads come first, as in Qt's own tables, then the rows.
int TScoreTableAccessible::childCount() const { return (rowCount() + 1) * sc_Count; }

QAccessibleInterface* TScoreTableAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return Cell(index / sc_Count - 1, index % sc_Count);
}

int TScoreTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const QAccessibleTableCellInterface* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
  if (!cell || child->parent() != this) return -1;
  return (cell->rowIndex() + 1) * sc_Count + cell->columnIndex();
}

QAccessibleInterface* TScoreTableAccessible::focusChild() const {
  const int row = CurrentRow();
  return row >= 0 ? Cell(row, 0) : nullptr;
}

int TScoreTableAccessible::selectedCellCount() const { return CurrentRow() >= 0 ? sc_Count : 0; }

QList<QAccessibleInterface*> TScoreTableAccessible::selectedCells() const {
  QList<QAccessibleInterface*> cells;
  const int row = CurrentRow();
  if (row >= 0)
    for (int column = 0; column < sc_Count; ++column) cells.append(Cell(row, column));
  return cells;
}

QList<int> TScoreTableAccessible::selectedRows() const {
  const int row = CurrentRow();
  return row >= 0 ? QList<int>{row} : QList<int>{};
}

void TScoreTableAccessible::CurrentRowChanged() { TellFocus(); }

QAccessibleInterface* ScoreTableAccessibleFactory(const QString&, QObject* object) {
  if (auto* table = qobject_cast<TScoreTable*>(object)) return new TScoreTableAccessible(table);
  return nullptr;
}
