#pragma once
#include <Qt>
#include "game/Game.h"

// What a key of the field asks for: a cursor move, repeated while the key
// is held; a play at the cursor, once per press as a click is; or the
// lifeline armed or disarmed, once per press as its button is clicked.
enum TFieldKeyKind { fk_Move, fk_Play, fk_Lifeline };

// One key of the field, taken while the game screen shows.
struct TFieldKey {
  Qt::Key Key;
  TFieldKeyKind Kind;
  TCursorMove Move;
  TCursorAction Action;
};

// The field's entry for a key pressed with these modifiers, or null: the
// field keys act with no modifier held but Shift or the keypad's.
const TFieldKey* FindFieldKey(int key, Qt::KeyboardModifiers modifiers);
