#pragma once
#include <QFrame>
#include <QLabel>

// A toolbar value (the score, the lifelines left, the clock) as a screen
// reader meets it: named for what it is, with the value shown as its text.
// A plain label's name would be its text, and naming it would hide the value.

// A label that shows the value itself.
class TValueLabel : public QLabel {
  Q_OBJECT
 public:
  TValueLabel(const QString& name, const QString& value, QWidget* parent);
};

// A panel whose value is shown by a label inside it, among other drawing
// (the clock's bar repeats the text over part of it): the reader meets the
// panel alone, with the value label's text.
class TValuePanel : public QFrame {
  Q_OBJECT
 public:
  TValuePanel(const QString& name, QWidget* parent);
  void SetValueLabel(QLabel* label) { FValueLabel = label; }
  QLabel* ValueLabel() const { return FValueLabel; }

 private:
  QLabel* FValueLabel = nullptr;
};
