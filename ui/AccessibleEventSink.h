#pragma once
#include <functional>
#include <utility>
#include <QAccessible>

// Where an accessible face sends what it tells a screen reader: to Qt,
// which hands it to the platform's bridge. A test listens here instead, as
// Qt hands nothing on where no platform bridge exists.
class TAccessibleEventSink {
 public:
  using TListener = std::function<void(QAccessibleEvent& event)>;

  void Send(QAccessibleEvent& event) const {
    if (FListener)
      FListener(event);
    else
      QAccessible::updateAccessibility(&event);
  }
  void SetListener(TListener listener) { FListener = std::move(listener); }

 private:
  TListener FListener;
};
