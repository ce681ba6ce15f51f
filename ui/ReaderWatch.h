#pragma once
#include <QAccessible>

// Whether assistive technology listens to the program just now. Qt makes a
// widget's accessible face whenever any event mentions the widget, reader or
// not; what a face is told is worth the telling only while one listens, and
// nothing is done otherwise. Qt tells every watch when a reader comes or
// goes (the platform's bridge switches accessibility on and off).
class TReaderWatch final : public QAccessible::ActivationObserver {
 public:
  TReaderWatch();
  ~TReaderWatch() override;
  TReaderWatch(const TReaderWatch&) = delete;
  TReaderWatch& operator=(const TReaderWatch&) = delete;

  bool Listens() const { return FListens; }

 private:
  void accessibilityActiveChanged(bool active) override { FListens = active; }

  bool FListens;
};
