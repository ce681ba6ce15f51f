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
  // What was heard, taken when it was told: the object itself may be gone
  // since (a renewed cell), so it is only ever compared, never read.
  struct THeard {
    QAccessible::Event Type;
    QAccessibleInterface* Object;
    QString Name;
    QString Description;
    int Row = -1;  // a table cell's place, from 0
    int Column = -1;
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
    THeard heard{event.type(), object, object->text(QAccessible::Name), object->text(QAccessible::Description)};
    if (QAccessibleTableCellInterface* cell = object->tableCellInterface()) {
      heard.Row = cell->rowIndex();
      heard.Column = cell->columnIndex();
    }
    Heard.push_back(heard);
  }

  std::vector<TAccessibleEventSink*> Sinks;
  std::vector<THeard> Heard;
};
