#include "ui/AccessibleTable.h"
#include <QWidget>

TAccessibleTable::TAccessibleTable(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}

TAccessibleTable::~TAccessibleTable() { DropCells(); }

void* TAccessibleTable::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* TAccessibleTable::MadeCell(int key) const {
  const auto made = FCells.find(key);
  return made == FCells.end() ? nullptr : QAccessible::accessibleInterface(made->second);
}

void TAccessibleTable::DropCell(int key) {
  const auto made = FCells.find(key);
  if (made == FCells.end()) return;
  QAccessible::deleteAccessibleInterface(made->second);
  FCells.erase(made);
}

void TAccessibleTable::DropCells() const {
  for (const auto& [key, id] : FCells) QAccessible::deleteAccessibleInterface(id);
  FCells.clear();
}

void TAccessibleTable::TellFocus() {
  QAccessibleInterface* cell = focusChild();
  if (!cell || !widget()->hasFocus()) return;
  QAccessibleEvent event(cell, QAccessible::Focus);
  Events().Send(event);
}
