#include <QAction>
#include <QLabel>
#include <QMenu>
#include "game/ui/MainForm.h"
#include "game/ui/NoGuessOption.h"

// "No Guessing", a check item after "One Mark in Areas", off unless the
// option file says otherwise.
void TMainForm::CreateNoGuessItem() {
  NoGuess1 = PopupMenu1->addAction(tr("No Guessing"));
  NoGuess1->setObjectName(QStringLiteral("NoGuess1"));
  NoGuess1->setCheckable(true);
  NoGuess1->setShortcutContext(Qt::WidgetShortcut);
  NoGuess1->setShortcutVisibleInContextMenu(true);
  FGame.SetNoGuess(LoadNoGuessOption());
  NoGuess1->setChecked(FGame.NoGuess());
  connect(NoGuess1, &QAction::triggered, this, [this] { NoGuess1Click(); });
}

// The option holds from the next first uncover on, and is remembered.
void TMainForm::NoGuess1Click() {
  FGame.SetNoGuess(!FGame.NoGuess());
  // A checkable action has already flipped its mark when the player chose it.
  NoGuess1->setChecked(FGame.NoGuess());
  SaveNoGuessOption(FGame.NoGuess());
}

namespace {

const char* const GuessWarning = QT_TRANSLATE_NOOP("TMainForm", "This field may need a guess");

}  // namespace

void TMainForm::ShowGuessWarning() {
  if (FGame.MayNeedGuess()) StatusBar->setText(QStringLiteral(" ") + tr(GuessWarning));
}

// The word was about the field before; a new one has its own first uncover.
void TMainForm::ClearGuessWarning() {
  if (StatusBar->text() == QStringLiteral(" ") + tr(GuessWarning)) DisplayHint(QString());
}
