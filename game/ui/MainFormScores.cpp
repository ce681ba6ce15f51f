#include <QFrame>
#include <QLabel>
#include "ui/ModalSeams.h"
#include "game/ui/MainForm.h"
#include "scores/ui/ScoreScreen.h"
#include "settings/ui/DlgNewGame.h"
#include "ui/Cp1252.h"
#include "ui/Hints.h"

namespace {

const char* const GameInProgressWarning =
    QT_TRANSLATE_NOOP("TMainForm", "A game is in progress. Are you sure you want to start another now?");

}  // namespace

void TMainForm::CreateScoreScreen() {
  FScoreScreen = new TScoreScreen(this, *this);
  connect(FScoreScreen, &TScoreScreen::ChallengeRequested, this,
          [this](const TGameRecord& challenged) { ChallengeScore(challenged); });
  connect(FScoreScreen, &TScoreScreen::ClickedOffTheTable, this, [this] {
    if (GameActive())
      BtnPauseClick();
    else
      BtnNewGameClick();
  });
  // The hint of the row under the pointer is the window's own.
  connect(FScoreScreen, &TScoreScreen::HintChanged, this, [this](const QString& hint) {
    SetHint(this, hint);
    DisplayHint(HintLongPart(hint));
  });
}

void TMainForm::ChallengeScore(const TGameRecord& row) {
  // The row as the player saw it when clicking; the question below runs a
  // message loop in which repaints rebuild the list.
  const TGameRecord challenged = row;
  if (GameActive() &&
      !RunModal([this] { return FSeams.AskWarningYesNo(this, tr(GameInProgressWarning)); }))
    return;
  TDlgNewGame* dialog = NewGameDialog();
  if (!dialog) return;

  // LastGame.dat keeps the challenged record, as the dialog remembers its
  // own, and the current record and the dialog take its settings; the
  // challenger keeps their own name, as the current game record holds it:
  // cut to the 16 characters a record has room for.
  TGameRecord& current = CurrentGame();
  const std::string challengerName = current.PlayerName();
  dialog->SaveLastGame(challenged);
  current = challenged;
  dialog->SetSettings(TGameSettings::FromRecord(challenged));
  dialog->SetCurrentName(FromCp1252(challengerName));
  current.SetPlayerName(challengerName);
  BtnNewGameClick();
}

void TMainForm::AppendScore(const TGameRecord& record) { ::AppendScore(ScoresFile, record); }
void TMainForm::PaintScores() { FScoreScreen->Paint(); }
TScoreLayout TMainForm::ScoreLayout() const { return FScoreScreen->Layout(); }
void TMainForm::ScoresMouseMove(int x, int y) { FScoreScreen->MouseMove(x, y); }
void TMainForm::ScoresClick() { FScoreScreen->Click(); }
bool TMainForm::ShowPlayerOnly() const { return FScoreScreen->ShowPlayerOnly(); }
void TMainForm::SetShowPlayerOnly(bool value) { FScoreScreen->SetShowPlayerOnly(value); }
int TMainForm::HoverRow() const { return FScoreScreen->HoverRow(); }
TGameRecord& TMainForm::CurrentGame() { return FScoreScreen->CurrentGame(); }

const std::array<TGameRecord, MaxScoreRows + 1>& TMainForm::ScoreList() const {
  return FScoreScreen->ScoreList();
}

int TMainForm::ToolbarPixelHeight() const { return SpeedPanel->height(); }
int TMainForm::StatusBarPixelHeight() const { return StatusBar->height(); }
