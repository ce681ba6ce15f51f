#include "game/ui/FieldKeys.h"
#include <array>

namespace {

constexpr TFieldKey Move(Qt::Key key, TCursorMove move) { return {key, fc_Move, move, ca_Uncover}; }
constexpr TFieldKey Play(Qt::Key key, TCursorAction action) { return {key, fc_Play, cm_Left, action}; }

// Space uncovers, M marks and T tints (the game's own words for the right
// click and both buttons), H asks for a hint, and L is the lifeline's button
// for a player without a mouse. None of them is a window key.
constexpr std::array<TFieldKey, 13> FieldKeys = {{
    Move(Qt::Key_Left, cm_Left),
    Move(Qt::Key_Right, cm_Right),
    Move(Qt::Key_Up, cm_Up),
    Move(Qt::Key_Down, cm_Down),
    Move(Qt::Key_Home, cm_RowStart),
    Move(Qt::Key_End, cm_RowEnd),
    Move(Qt::Key_PageUp, cm_ColumnTop),
    Move(Qt::Key_PageDown, cm_ColumnBottom),
    Play(Qt::Key_Space, ca_Uncover),
    Play(Qt::Key_M, ca_Mark),
    Play(Qt::Key_T, ca_Tint),
    {HintKey, fc_Hint, cm_Left, ca_Uncover},
    {Qt::Key_L, fc_Lifeline, cm_Left, ca_Uncover},
}};

}  // namespace

const TFieldKey* FindFieldKey(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier)) return nullptr;
  for (const TFieldKey& entry : FieldKeys)
    if (entry.Key == key) return &entry;
  return nullptr;
}
