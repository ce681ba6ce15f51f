#include "board/ui/TranslatedPhrase.h"
#include <QCoreApplication>

QString Translated(const TPhrase& phrase) {
  if (!*phrase.Template) return QString();
  QString text = QCoreApplication::translate(phrase.Context, phrase.Template);
  // Each arg() fills the lowest %n left, so a translation may put them in
  // any order.
  for (const std::int32_t number : phrase.Numbers) text = text.arg(number);
  return text;
}
