#pragma once
#include <QLineEdit>

class TNameLengthValidator;

// The name box's editor: the player types at most a number of characters,
// while longer names set by the program or picked from the box's list stay
// whole (see TNameLengthValidator). Everything the editor handles itself,
// keys, input methods, drops, the middle-button paste and its context
// menu, counts as the player's editing.
class TNameEdit : public QLineEdit {
 public:
  TNameEdit(int maxTyped, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Set once the validator exists: making it, as this editor's child,
  // already sends the editor an event.
  TNameLengthValidator* FValidator = nullptr;
};
