#include "game/ui/WindowKeys.h"
#include <array>

namespace {

// Every key of the window, in the order they are looked up: of two entries
// for one key, the first that answers wins.
constexpr std::array<TWindowKey, 10> WindowKeys = {{
    {Qt::Key_Return, false, wc_NewGame, false},
    {Qt::Key_Enter, false, wc_NewGame, false},
    {Qt::Key_F5, false, wc_NewGame, true},
    {Qt::Key_N, true, wc_NewGame, false},
    {Qt::Key_W, true, wc_Quit, false},
    {Qt::Key_F1, true, wc_About, true},
    {Qt::Key_F1, false, wc_Help, true},
    {Qt::Key_F2, false, wc_Boss, true},
    {Qt::Key_F3, false, wc_PauseResume, true},
    {Qt::Key_F6, false, wc_ViewScores, true},
}};

}  // namespace

const TWindowKey* FindWindowKey(int key, bool ctrlOnly) {
  for (const TWindowKey& entry : WindowKeys)
    if (entry.Key == key && (!entry.CtrlOnly || ctrlOnly)) return &entry;
  return nullptr;
}

bool IsWindowKey(int key) {
  for (const TWindowKey& entry : WindowKeys)
    if (entry.Key == key) return true;
  return false;
}

QKeySequence ShownShortCut(TWindowCommand command) {
  for (const TWindowKey& entry : WindowKeys)
    if (entry.Command == command && entry.Shown)
      return QKeySequence(entry.CtrlOnly ? QKeyCombination(Qt::ControlModifier, entry.Key)
                                         : QKeyCombination(entry.Key));
  return QKeySequence();
}
