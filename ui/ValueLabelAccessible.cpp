#include <QAccessibleWidget>
#include "ui/ValueLabelAccessible.h"
#include "ui/ValueLabel.h"

namespace {

// Static text named for the value it shows; the value is read through the
// text interface, from the label the player sees.
class TValueAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TValueAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    const QString value = Value();
    if (startOffset < 0 || endOffset < startOffset || startOffset > value.size()) return QString();
    return value.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return int(Value().size()); }
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    return QString();
  }
  using QAccessibleWidget::text;

 private:
  // Read afresh each time from the label the player sees. The clock pads
  // its text with a leading space for the look alone.
  QString Value() const {
    const QLabel* label = qobject_cast<const TValueLabel*>(object());
    if (const auto* panel = qobject_cast<const TValuePanel*>(object())) label = panel->ValueLabel();
    return label ? label->text().trimmed() : QString();
  }
};

}  // namespace

QAccessibleInterface* ValueAccessibleFactory(const QString&, QObject* object) {
  if (qobject_cast<TValueLabel*>(object) || qobject_cast<TValuePanel*>(object))
    return new TValueAccessible(static_cast<QWidget*>(object));
  return nullptr;
}
