#include "scores/ui/ScoreScreen.h"
#include <algorithm>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include "ui/Cp1252.h"

void TScoreScreen::SetFilterReference(const TGameSettings& settings, const QString& playerName) {
  FReference = settings;
  FPlayerName = playerName;
}

void TScoreScreen::TakeSettings() {
  if (FReference) FReference->StoreIn(CurrentGame());
}

void TScoreScreen::ShowPlayerName() {
  LabelPlayerName->setText(FromCp1252(CurrentGame().PlayerName()));
}

void TScoreScreen::SetShowPlayerOnly(bool value) {
  FShowPlayerOnly = value;
  // The radio buttons only mirror the property here; their own handlers
  // must not run again, or one change would paint twice.
  const QSignalBlocker blockThis(RadioButtonThisPlayer);
  const QSignalBlocker blockAll(RadioButtonAllPlayers);
  // Exclusive radio buttons cannot be unchecked directly: check the one
  // that becomes true and the other follows.
  (value ? RadioButtonThisPlayer : RadioButtonAllPlayers)->setChecked(true);
  (value ? RadioButtonAllPlayers : RadioButtonThisPlayer)->setChecked(false);
  Paint();
}

// Rebuilds rows 1..n. The reference of the match filter is the dialog's
// settings as it gave them last, copied into the current game record; the
// game in progress keeps its own record and is not touched.
void TScoreScreen::LoadScores(int n) {
  if (!FReference) return;
  LabelPlayerName->setText(FPlayerName);
  TakeSettings();

  TScoreFilter filter;
  filter.PlayerOnly = FShowPlayerOnly;
  filter.PlayerName = ToCp1252(FPlayerName);
  filter.MatchLevel = TrackBarMatchSpec->value();
  LoadScoreRows(ScoresFile, FScoreList, std::clamp(n, 0, MaxScoreRows), filter);
}
