#include <algorithm>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include "game/ui/MainForm.h"
#include "ui/Cp1252.h"

void TMainForm::SetShowPlayerOnly(bool value) {
  FShowPlayerOnly = value;
  // The radio buttons only mirror the property here; their own handlers
  // must not run again, or one change would paint twice.
  if (RadioButtonThisPlayer && RadioButtonAllPlayers) {
    const QSignalBlocker blockThis(RadioButtonThisPlayer);
    const QSignalBlocker blockAll(RadioButtonAllPlayers);
    // Exclusive radio buttons cannot be unchecked directly: check the one
    // that becomes true and the other follows.
    (value ? RadioButtonThisPlayer : RadioButtonAllPlayers)->setChecked(true);
    (value ? RadioButtonAllPlayers : RadioButtonThisPlayer)->setChecked(false);
  }
  PaintScores();
}

void TMainForm::AppendScore(const TGameRecord& record) { ::AppendScore(ScoresFile, record); }

// Rebuilds rows 1..n. The reference of the match filter is the dialog's
// settings as it gave them last, copied into CurrentGame; the game in
// progress keeps its own record in GameInPlay and is not touched.
void TMainForm::LoadScores(int n) {
  if (!FDialogSettings) return;
  if (LabelPlayerName) LabelPlayerName->setText(FPlayerName);
  TakeSettingsFromDialog();

  TScoreFilter filter;
  filter.PlayerOnly = FShowPlayerOnly;
  filter.PlayerName = ToCp1252(FPlayerName);
  filter.MatchLevel = TrackBarMatchSpec ? TrackBarMatchSpec->value() : MatchLevelAll;
  LoadScoreRows(ScoresFile, ScoreList, std::clamp(n, 0, MaxScoreRows), filter);
}
