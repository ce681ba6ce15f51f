#pragma once
#include <QLabel>

// A word-wrapped label of fixed size that never shows a line cut in half:
// a text too long for its lines shows as many whole lines as fit, the last
// of them ending in an ellipsis. Its text() stays the whole text. Pattern
// names and descriptions come from files of any length.
class TFittedLabel : public QLabel {
 public:
  explicit TFittedLabel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool TextFits() const;
  void PaintShortened();
};
