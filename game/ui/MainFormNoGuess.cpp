#include <QLabel>
#include "game/ui/MainForm.h"

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
