#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include "ui/ModalSeams.h"
#include "game/ui/GameSaver.h"
#include "game/ui/GameScreen.h"
#include "game/ui/MainForm.h"
#include "game/ui/MainFormLayout.h"

using MainFormDesign::IdleInterval;

namespace {

// The stored line breaks of the game's messages are a line feed followed by
// a carriage return.
const QString LineBreak = QStringLiteral("\n\r");

QString SuccessMessage(const TSuccess& success) {
  QString text = TMainForm::tr("Success!! You cleared the minefield!") + LineBreak +
                 TMainForm::tr("Bonus for leaving %1 unexplored cells: %2.")
                     .arg(success.Unexplored)
                     .arg(success.UnexploredBonus);
  if (success.Timed)
    text += LineBreak + TMainForm::tr("Bonus for time left (%1 seconds): %2.")
                            .arg(std::max<std::int32_t>(0, success.Clock) / 10)
                            .arg(success.TimeLeftBonus);
  return text;
}

}  // namespace

void TMainForm::LoseGame() {
  const bool wasActive = FGame.Active();
  const bool timedOut = FGame.Lose();
  ShowGameOver(wasActive);
  EndGame(timedOut ? tr("Game Over! You ran out of time!")
                   : tr("Game Over! You tripped the minefield!"));
}

void TMainForm::CheckSuccess() {
  const std::optional<TSuccess> success = FGame.TakeSuccess();
  if (!success) return;
  ShowGameOver(true);
  ShowScore();
  EndGame(SuccessMessage(*success));
}

// The field shows where the mines were, and the window idles.
void TMainForm::ShowGameOver(bool wasActive) {
  FGameScreen->RevealMines();
  if (wasActive) FormPaint();
  TimerTick->setInterval(IdleInterval);
}

// Announces the end, records the game once, and offers the next one.
void TMainForm::EndGame(const QString& message) {
  // An ended game is never brought back, even if the program ends while
  // its message is shown.
  FGameSaver->Discard();
  RunModal([&] { FSeams.ShowInformation(this, message); });
  const TGameRecord& finished = FGame.FinishedRecord();
  CurrentGame().Score = finished.Score;
  CurrentGame().Clock = finished.Clock;
  AppendScore(finished);
  BtnNewGameClick();
}

void TMainForm::SpeedButtonLifelineClick() {
  // The lifeline is armed and disarmed on the game screen only.
  if (FScreenShown == ss_Game) FGame.ToggleLifeline();
  // With nothing armed the button pops back up.
  SpeedButtonLifeline->setChecked(FGame.UsingLifeline());
}

// The button answers clicks only while it is enabled: on the game screen.
void TMainForm::LifelineKeyPress() {
  if (SpeedButtonLifeline->isEnabled() && FModalDepth == 0) SpeedButtonLifelineClick();
}

void TMainForm::SetNumLifelines(int value) {
  FGame.SetNumLifelines(value);
  ShowLifelines();
}

void TMainForm::SetUsingLifeline(bool value) {
  // A pause keeps the lifeline as it was.
  if (FScreenShown != ss_Game) return;
  FGame.SetUsingLifeline(value);
  SpeedButtonLifeline->setChecked(value);
}

void TMainForm::ShowLifelines() {
  LabelNumLifelines->setText(QString::number(FGame.NumLifelines()));
  SpeedButtonLifeline->setChecked(FGame.UsingLifeline());
  PlaceLabels();
}
