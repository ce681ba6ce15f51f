#pragma once
#include <QString>
#include "board/Phrase.h"

// A phrase of the core in the player's language: its template as the
// installed catalogues translate it under its context (English where none
// does), with the numbers filled in, %1 first.
QString Translated(const TPhrase& phrase);
