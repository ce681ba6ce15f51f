#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A text the core has for the player (a screen reader's words, a column's
// name), kept so that the windows can say it in the player's language. The
// core writes it in English as a template, one whole sentence with %1, %2,
// ... where numbers go, since word order differs between languages, and
// fills it in itself for its English result. The windows instead translate
// the template under its context, as QCoreApplication::translate(Context,
// Template), and fill in the translation with QString::arg.
//
// lupdate collects the templates by the marker QT_TRANSLATE_NOOP(context,
// text), which it knows by name; the core, which sees no Qt header, defines
// it as Qt does, as the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

struct TPhrase {
  const char* Context = "";
  const char* Template = "";
  // For %1, %2, ... in this order.
  std::vector<std::int32_t> Numbers;
};

// The English text: the template with each %n replaced by its number.
std::string FilledIn(const TPhrase& phrase);
