#pragma once
#include <QValidator>

// Limits what the player types into the name box to a number of characters
// without cutting longer names that come from the saved names or from a
// stored game: such a name may be shortened, never lengthened. (A line
// edit's own maximum length would cut every text it is given.)
//
// Only the player's own edits are judged. A text set by the program, or by
// the box when a name is picked from its list, is always accepted: were it
// refused, the line edit would count its text as invalid and then let the
// next keystroke through unchecked.
class TNameLengthValidator : public QValidator {
 public:
  TNameLengthValidator(int maxTyped, QObject* parent);

  // The text as it stands now, whoever set it; edits are judged against it.
  void TextChanged(const QString& text) { FCurrent = text; }
  // Whether the change being validated comes from the player.
  void SetPlayerEditing(bool editing) { FPlayerEditing = editing; }
  bool PlayerEditing() const { return FPlayerEditing; }
  State validate(QString& input, int& pos) const override;

 private:
  int FMaxTyped;
  QString FCurrent;
  bool FPlayerEditing = false;
};
