#include <QLabel>
#include <QToolButton>
#include "game/Scoring.h"
#include "game/ui/GameSaver.h"
#include "game/ui/GameScreen.h"
#include "game/ui/MainForm.h"
#include "ui/ColourStrip.h"
#include "ui/WidgetColours.h"
#include "ui/WindowVisibility.h"

void TMainForm::TimerTickTimer() { Tick(); }

// A tick pulses the prompts and the hovered area, and counts the clock of a
// game in play. Where nothing of that can be seen (the window minimised, or
// the score screen covered by other windows) the timer rests, and the pulse
// goes on where it stood when the window shows again. The game screen keeps
// its ticks: its clock counts them, a minimised game needs one more to
// pause itself, and what moves on the field by itself (the hover's pulse, a
// flash round a number) moves only there.
bool TMainForm::TicksWanted() const {
  if (!FTicking) return false;
  if (FScreenShown == ss_Game) return true;
  return FVisibility->Seen();
}

void TMainForm::SyncTimer() {
  const bool wanted = TicksWanted();
  if (wanted && !TimerTick->isActive())
    TimerTick->start();
  else if (!wanted && TimerTick->isActive())
    TimerTick->stop();
}

void TMainForm::Tick() {
  // A minimised game is a paused game.
  if (isMinimized() && FScreenShown == ss_Game) SetScreenShown(ss_Scores);
  const TColour menuColour = FromQColor(palette().color(QPalette::Window));

  if (FScreenShown == ss_Game && FGame.Active()) {
    // The clock moves, and so may the field: the game is due to be kept.
    FGameSaver->NoteChange();
    if (FGame.TickClock()) LoseGame();
    ShowGameTime(FGame.Clock());
  }

  ++FPulseCount;
  const TColour prompt = PromptColour(FPulseCount, menuColour);
  PanelNewPrompt->SetColour(prompt);
  // Before the first game the pause prompt has nothing to invite: it takes
  // the toolbar's own colour and disappears.
  PanelPausePrompt->SetColour(BtnPause->isEnabled()
                                  ? prompt
                                  : FromQColor(SpeedPanel->palette().color(SpeedPanel->backgroundRole())));

  if (FScreenShown == ss_Game) FGameScreen->Pulse();
}

void TMainForm::ShowGameTime(std::int32_t value) {
  const int barWidth = CountdownBarWidth(value, PanelCountdown->width());
  PanelCountdownBar->resize(barWidth, PanelCountdownBar->height());
  if (GameInPlay().Timed()) {
    SetBackgroundColour(PanelCountdownBar, CountdownBarColour(barWidth));
    SetTextColour(LabelTimeB2, CountdownTextColour(barWidth));
  } else {
    // An untimed game has no bar to show.
    SetBackgroundColour(PanelCountdownBar, FromQColor(palette().color(QPalette::Button)));
    SetTextColour(LabelTimeB2, clBlack);
  }
  // The text changes once a second; the nine ticks between move nothing.
  const QString text = QString::fromStdString(GameTimeText(value));
  if (text == LabelTimeB->text() && text == LabelTimeB2->text()) return;
  LabelTimeB->setText(text);
  LabelTimeB2->setText(text);
  PlaceLabels();
}
