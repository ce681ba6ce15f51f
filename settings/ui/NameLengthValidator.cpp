#include "settings/ui/NameLengthValidator.h"

TNameLengthValidator::TNameLengthValidator(int maxTyped, QObject* parent)
    : QValidator(parent), FMaxTyped(maxTyped) {}

QValidator::State TNameLengthValidator::validate(QString& input, int&) const {
  const bool tooLong = input.size() > FMaxTyped && input.size() > FCurrent.size();
  return FPlayerEditing && tooLong ? Invalid : Acceptable;
}
