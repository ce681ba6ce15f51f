#include <QLabel>
#include "game/ui/MainForm.h"

namespace {

const QString GuessWarning = QStringLiteral("This field may need a guess");

}  // namespace

void TMainForm::ShowGuessWarning() {
  if (FGame.MayNeedGuess()) StatusBar->setText(QStringLiteral(" ") + GuessWarning);
}

// The word was about the field before; a new one has its own first uncover.
void TMainForm::ClearGuessWarning() {
  if (StatusBar->text() == QStringLiteral(" ") + GuessWarning) DisplayHint(QString());
}
