#pragma once
#include <QValidator>

// Limits what the player types into the name box to a number of characters
// without cutting longer names that come from the saved names or from a
// stored game: such a name may be shortened, never lengthened. (A line
// edit's own maximum length would cut every text it is given.)
class TNameLengthValidator : public QValidator {
 public:
  TNameLengthValidator(int maxTyped, QObject* parent);

  // The text as it stands now, whoever set it; edits are judged against it.
  void TextChanged(const QString& text) { FCurrent = text; }
  State validate(QString& input, int& pos) const override;

 private:
  int FMaxTyped;
  QString FCurrent;
};
