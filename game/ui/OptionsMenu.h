#pragma once
#include <QObject>
#include "game/PlayOptions.h"
#include "game/ui/PlayOptionsFile.h"

class QAction;
class QMenu;
class TGame;

// The popup menu's check items of the play options, "No Guessing" and
// "Open Around Numbers", added to the menu in that order. They start as the
// options file says, and each choice goes to the game at once (it holds
// from then on) and into the file.
class TOptionsMenu : public QObject {
  Q_OBJECT

 public:
  TOptionsMenu(QMenu& menu, TGame& game, QObject* parent);

 private:
  QAction* AddItem(QMenu& menu, const QString& caption, const char* name, TPlayOption option);
  static bool& OptionIn(TPlayOptions& options, TPlayOption option);
  void Choose(TPlayOption option, QAction* item);

  TGame& FGame;
  TPlayOptionsFile FFile;
};
