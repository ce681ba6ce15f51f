#include "ui/ValueLabel.h"
#include <QAccessible>
#include "ui/ValueLabelAccessible.h"

// The face is installed before anything here can ask for one. The label
// gets its text only once it is whole: a screen reader that listens from
// the start would otherwise be handed a plain label's face, made while the
// label was still being built, and keep it.
TValueLabel::TValueLabel(const QString& name, const QString& value, QWidget* parent) : QLabel(parent) {
  QAccessible::installFactory(ValueAccessibleFactory);
  setAccessibleName(name);
  setText(value);
}

TValuePanel::TValuePanel(const QString& name, QWidget* parent) : QFrame(parent) {
  QAccessible::installFactory(ValueAccessibleFactory);
  setAccessibleName(name);
}
