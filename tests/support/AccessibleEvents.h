#pragma once
#include <vector>
#include <QAccessible>
#include <QString>
#include "ui/AccessibleEventSink.h"

// Stands in for a screen reader while it lives: accessibility is switched
// on as the platform's bridge switches it on, and every focus and name
// change that the given faces tell is kept, with what its object said at
// that moment.
class TAccessibleEvents {
 public:
  struct THeard {
    QAccessible::Event Type;
    QAccessibleInterface* Object;
    QString Name;
    QString Description;
  };

  explicit TAccessibleEvents(std::vector<TAccessibleEventSink*> sinks) : Sinks(std::move(sinks)) {
    QAccessible::setActive(true);
    for (TAccessibleEventSink* sink : Sinks) sink->SetListener([this](QAccessibleEvent& event) { Record(event); });
  }
  ~TAccessibleEvents() {
    for (TAccessibleEventSink* sink : Sinks) sink->SetListener(nullptr);
    QAccessible::setActive(false);
  }
  TAccessibleEvents(const TAccessibleEvents&) = delete;
  TAccessibleEvents& operator=(const TAccessibleEvents&) = delete;

  // The events of one kind heard since the last call, oldest first.
  std::vector<THeard> Take(QAccessible::Event type) {
    std::vector<THeard> taken, kept;
    for (THeard& heard : Heard) (heard.Type == type ? taken : kept).push_back(heard);
    Heard = kept;
    return taken;
  }

 private:
  void Record(QAccessibleEvent& event) {
    QAccessibleInterface* object = event.accessibleInterface();
    if (!object) return;
    Heard.push_back({event.type(), object, object->text(QAccessible::Name), object->text(QAccessible::Description)});
  }

  std::vector<TAccessibleEventSink*> Sinks;
  std::vector<THeard> Heard;
};
