#pragma once
#include <Qt>
#include "game/Game.h"

// What a key of the field does: move the cursor, repeated while the key is
// held; play the area under it, once per press as a click is; ask for a
// hint, once per press; or arm or disarm the lifeline, once per press as
// its button is clicked.
enum TFieldCommand { fc_Move, fc_Play, fc_Hint, fc_Lifeline };

// One key of the field, taken while the game screen shows.
struct TFieldKey {
  Qt::Key Key;
  TFieldCommand Command;
  TCursorMove Move;
  TCursorAction Action;
};

// The key of a hint, which the popup menu shows beside its item.
inline constexpr Qt::Key HintKey = Qt::Key_H;

// The field's entry for a key pressed with these modifiers, or null: the
// field keys act with no modifier held but Shift or the keypad's.
const TFieldKey* FindFieldKey(int key, Qt::KeyboardModifiers modifiers);
