#pragma once
#include "ui/AccessibleTable.h"

class TScoreScreen;
class TScoreTable;

// The score table as a screen reader reads it: a header row naming the
// columns in their order on the screen (player, timed, linking, shaped
// cells, mines, holes, size, score), then one row per listed game, each
// cell the text the row paints. The chosen row (by the keys or the
// pointer) is the current one. It reads the list the screen paints; cells
// are made when first asked for.
class TScoreTableAccessible : public TAccessibleTable {
 public:
  explicit TScoreTableAccessible(TScoreTable* table);
  ~TScoreTableAccessible() override;

  // The keys chose another row: its first cell takes the focus.
  void CurrentRowChanged();

  // Row -1 is the header row; rows 0.. are the listed games.
  QAccessibleInterface* Cell(int row, int column) const;
  QString CellText(int row, int column) const;
  bool IsCurrentRow(int row) const;
  QRect CellRect(int row, int column) const;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;

  QAccessibleInterface* cellAt(int row, int column) const override { return row >= 0 ? Cell(row, column) : nullptr; }
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override { return CellText(-1, column); }
  int selectedRowCount() const override { return CurrentRow() >= 0 ? 1 : 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedRows() const override;
  bool isRowSelected(int row) const override { return IsCurrentRow(row); }

 private:
  const TScoreScreen& Screen() const;
  // The listed game's index of the chosen row; -1 for none.
  int CurrentRow() const;
};

// Gives the score table its accessible face; installed with
// QAccessible::installFactory, asked only while a reader listens.
QAccessibleInterface* ScoreTableAccessibleFactory(const QString& className, QObject* object);
