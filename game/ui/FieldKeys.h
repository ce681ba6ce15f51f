#pragma once
#include <Qt>
#include "game/Game.h"

// One key of the field, taken while the game screen shows: a cursor move,
// repeated while the key is held, or a play at the cursor, once per press
// as a click is.
struct TFieldKey {
  Qt::Key Key;
  bool Moves;
  TCursorMove Move;
  TCursorAction Action;
};

// The field's entry for a key pressed with these modifiers, or null: the
// field keys act with no modifier held but Shift or the keypad's.
const TFieldKey* FindFieldKey(int key, Qt::KeyboardModifiers modifiers);
