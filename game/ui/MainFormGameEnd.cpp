#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include "game/Scoring.h"
#include "game/ui/Forms.h"
#include "game/ui/MainForm.h"
#include "game/ui/MainFormLayout.h"

using MainFormDesign::IdleInterval;

namespace {

// The stored line breaks of the game's messages are a line feed followed by
// a carriage return.
const QString LineBreak = QStringLiteral("\n\r");

QString SuccessMessage(std::int32_t unexplored, std::int32_t unexploredBonus, bool timed,
                       std::int32_t clock, std::int32_t timeLeftBonus) {
  QString text = QStringLiteral("Success!! You cleared the minefield!") + LineBreak +
                 QStringLiteral("Bonus for leaving %1 unexplored cells: %2.")
                     .arg(unexplored)
                     .arg(unexploredBonus);
  if (timed)
    text += LineBreak + QStringLiteral("Bonus for time left (%1 seconds): %2.")
                            .arg(std::max<std::int32_t>(0, clock) / 10)
                            .arg(timeLeftBonus);
  return text;
}

}  // namespace

void TMainForm::LoseGame() {
  // A mine that goes off with the clock already at zero or below (after a
  // defused mine's penalty) is still a mine, not a time-out.
  const bool timedOut = FTimeRanOut;
  FTimeRanOut = false;
  if (Board) {
    Board->RevealMines(BoardCanvas());
    ShowBoardDrawing();
  }
  SetGameActive(false);
  TimerTick->setInterval(IdleInterval);
  EndGame(timedOut ? QStringLiteral("Game Over! You ran out of time!")
                   : QStringLiteral("Game Over! You tripped the minefield!"));
}

void TMainForm::CheckSuccess() {
  // Only a game in play can be won: a lost field stays lost.
  if (!FGameActive || !Board || !Board->IsCleared()) return;
  Board->ClearHover();
  Board->RevealMines(BoardCanvas());
  ShowBoardDrawing();
  SetGameActive(false);

  const std::int32_t unexplored = Board->UnexploredCount();
  const std::int32_t unexploredBonus = UnexploredBonus(unexplored);
  const bool timed = GameInPlay.Timed();
  const std::int32_t timeLeftBonus = timed ? TimeLeftBonus(Clock, GameInPlay.MinePopulation) : 0;
  Score = SaturatingAdd(SaturatingAdd(Score, timeLeftBonus), unexploredBonus);
  ShowScore();
  TimerTick->setInterval(IdleInterval);
  EndGame(SuccessMessage(unexplored, unexploredBonus, timed, Clock, timeLeftBonus));
}

// Announces the end, records the game once, and offers the next one.
void TMainForm::EndGame(const QString& message) {
  Forms.Seams.ShowInformation(this, message);
  GameInPlay.Score = Score;
  GameInPlay.Clock = Clock;
  CurrentGame.Score = Score;
  CurrentGame.Clock = Clock;
  AppendScore(GameInPlay);
  BtnNewGameClick();
}

void TMainForm::SpeedButtonLifelineClick() {
  SetUsingLifeline(FNumLifelines > 0 ? !FUsingLifeline : false);
  // With nothing armed the button pops back up.
  SpeedButtonLifeline->setChecked(FUsingLifeline);
}

void TMainForm::SetNumLifelines(int value) {
  FNumLifelines = value;
  LabelNumLifelines->setText(QString::number(value));
  PlaceLabels();
}

void TMainForm::SetUsingLifeline(bool value) {
  // The lifeline is armed and disarmed on the game screen only; a pause
  // keeps it as it was.
  if (FScreenShown != ss_Game) return;
  FUsingLifeline = value;
  if (Board) Board->SetLifeline(value);
  SpeedButtonLifeline->setChecked(value);
}
