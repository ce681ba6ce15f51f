#pragma once
#include <QKeySequence>
#include <Qt>

// The main window's commands that keys reach.
enum TWindowCommand { wc_NewGame, wc_Quit, wc_About, wc_Boss, wc_PauseResume, wc_ViewScores, wc_Help };

// One key of the main window. The key handler acts on it (once per press);
// the popup menu shows the keys marked Shown beside its items, and adds no
// action of its own for them.
struct TWindowKey {
  Qt::Key Key;
  // Acts only with Ctrl alone held (no Shift, Alt or Meta, no mouse button);
  // any other key acts whatever is held.
  bool CtrlOnly;
  TWindowCommand Command;
  bool Shown;
};

// The key's entry that answers with these modifiers held, or null. ctrlOnly
// tells whether exactly Ctrl is held.
const TWindowKey* FindWindowKey(int key, bool ctrlOnly);
// Whether the window takes the key at all (whatever the modifiers); other
// keys go on to Qt.
bool IsWindowKey(int key);
// The short-cut text the menu shows for a command; empty for none.
QKeySequence ShownShortCut(TWindowCommand command);
