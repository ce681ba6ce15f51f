#include <QLabel>
#include <QToolButton>
#include "game/Scoring.h"
#include "game/ui/GameSaver.h"
#include "game/ui/GameScreen.h"
#include "game/ui/MainForm.h"
#include "ui/WidgetColours.h"

void TMainForm::TimerTickTimer() { Tick(); }

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
  SetBackgroundColour(PanelNewPrompt, prompt);
  // Before the first game the pause prompt has nothing to invite: it takes
  // the toolbar's own colour and disappears.
  SetBackgroundColour(PanelPausePrompt,
                      BtnPause->isEnabled()
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
  const QString text = QString::fromStdString(GameTimeText(value));
  LabelTimeB->setText(text);
  LabelTimeB2->setText(text);
  PlaceLabels();
}
