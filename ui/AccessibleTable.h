#pragma once
#include <unordered_map>
#include <QAccessibleWidget>
#include "ui/AccessibleEventSink.h"

// What a widget that paints its own table has in common when a screen
// reader reads it: its cells are made when a reader first asks for one and
// kept by a key until they go; nothing is selected unless the table says
// so; and the cell with the keyboard focus is told to the reader when it
// changes.
class TAccessibleTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TAccessibleTable(QWidget* widget);
  ~TAccessibleTable() override;

  void* interface_cast(QAccessible::InterfaceType type) override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  // Where the table's events go.
  TAccessibleEventSink& Events() { return FEvents; }

 protected:
  // The cell kept under the key, made by make() on first asking.
  template <typename TMake>
  QAccessibleInterface* KeptCell(int key, TMake make) const {
    QAccessible::Id& id = FCells[key];
    if (!id) id = QAccessible::registerAccessibleInterface(make());
    return QAccessible::accessibleInterface(id);
  }
  // The cell under the key if a reader has asked for it; null otherwise.
  QAccessibleInterface* MadeCell(int key) const;
  void DropCell(int key);
  void DropCells() const;
  // The focused cell (focusChild) is told to the reader, while the widget
  // has the keyboard.
  void TellFocus();

 private:
  mutable std::unordered_map<int, QAccessible::Id> FCells;
  TAccessibleEventSink FEvents;
};

// A cell of such a table. It holds only its place (row and column from 0)
// and reads everything else from its table whenever asked; the table
// deletes its cells before it goes.
class TAccessibleTableCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  TAccessibleTableCell(QAccessibleInterface* table, int row, int column)
      : FTable(table), FRow(row), FColumn(column) {}

  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FTable->window(); }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return FTable; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return FColumn; }
  int rowIndex() const override { return FRow; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return FTable; }

 private:
  QAccessibleInterface* FTable;
  int FRow;
  int FColumn;
};
