#include "settings/ui/NameEdit.h"
#include <memory>
#include <QContextMenuEvent>
#include <QMenu>
#include "settings/ui/NameLengthValidator.h"

namespace {
// Marks the player's editing for as long as the editor handles one event;
// nested events keep the outer mark.
class TPlayerEditing {
 public:
  explicit TPlayerEditing(TNameLengthValidator& validator)
      : FValidator(validator), FOuter(validator.PlayerEditing()) {
    FValidator.SetPlayerEditing(true);
  }
  ~TPlayerEditing() { FValidator.SetPlayerEditing(FOuter); }
  TPlayerEditing(const TPlayerEditing&) = delete;
  TPlayerEditing& operator=(const TPlayerEditing&) = delete;

 private:
  TNameLengthValidator& FValidator;
  bool FOuter;
};
}  // namespace

TNameEdit::TNameEdit(int maxTyped, QWidget* parent)
    : QLineEdit(parent) {
  FValidator = new TNameLengthValidator(maxTyped, this);
  setValidator(FValidator);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { FValidator->TextChanged(text); });
}

bool TNameEdit::event(QEvent* event) {
  if (!FValidator) return QLineEdit::event(event);
  const TPlayerEditing editing(*FValidator);
  return QLineEdit::event(event);
}

void TNameEdit::contextMenuEvent(QContextMenuEvent* event) {
  // The standard menu normally runs on after this handler returns; running
  // it here keeps its paste within the player's editing.
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  if (menu) menu->exec(event->globalPos());
}
