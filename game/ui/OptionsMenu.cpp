#include "game/ui/OptionsMenu.h"
#include <QAction>
#include <QMenu>
#include "game/Game.h"

TOptionsMenu::TOptionsMenu(QMenu& menu, TGame& game, QObject* parent) : QObject(parent), FGame(game) {
  FGame.SetOptions(FFile.Load());
  AddItem(menu, tr("No Guessing"), "NoGuess1", po_NoGuess);
  //: A play option: a click on an uncovered number whose mines are all
  //: marked uncovers the covered areas around it.
  AddItem(menu, tr("Open Around Numbers"), "OpenAround1", po_OpenAround);
}

QAction* TOptionsMenu::AddItem(QMenu& menu, const QString& caption, const char* name, TPlayOption option) {
  QAction* item = menu.addAction(caption);
  item->setObjectName(QLatin1StringView(name));
  item->setCheckable(true);
  item->setShortcutContext(Qt::WidgetShortcut);
  item->setShortcutVisibleInContextMenu(true);
  TPlayOptions options = FGame.Options();
  item->setChecked(OptionIn(options, option));
  connect(item, &QAction::triggered, this, [this, option, item] { Choose(option, item); });
  return item;
}

bool& TOptionsMenu::OptionIn(TPlayOptions& options, TPlayOption option) {
  return option == po_NoGuess ? options.NoGuess : options.OpenAround;
}

void TOptionsMenu::Choose(TPlayOption option, QAction* item) {
  TPlayOptions options = FGame.Options();
  bool& value = OptionIn(options, option);
  value = !value;
  FGame.SetOptions(options);
  // A checkable action has already flipped its mark when the player chose it.
  item->setChecked(value);
  FFile.Store(option, value);
}
