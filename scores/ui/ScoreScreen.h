#pragma once
#include <array>
#include <optional>
#include <vector>
#include <QString>
#include "scores/ScoreLayout.h"
#include "scores/ScoreTable.h"
#include "scores/ui/ScoreHeadWidgets.h"
#include "settings/GameRecord.h"
#include "settings/GameSettings.h"
#include "ui/ClickablePicture.h"

class QLabel;
class QRadioButton;
class QSlider;
class IScreenCanvas;
class TScoreTable;

// The score screen: the header strip under the toolbar (whose scores, the
// player's name, how closely listed games must match the current settings)
// and the table of the best games, drawn on the window's canvas below it.
// It holds the current game record, which the window starts games from and
// a challenge overwrites, and tells the window through signals what a click
// asks for.
class TScoreScreen : public TScoreHeadPanel {
  Q_OBJECT
 public:
  TScoreScreen(QWidget* window, IScreenCanvas& canvas);

  // The reference of the match filter and the name the player's scores go
  // under: the new game dialog's values each time they change.
  void SetFilterReference(const TGameSettings& settings, const QString& playerName);
  // The reference's settings into the current game record.
  void TakeSettings();
  // The table paints only while it is the screen shown.
  void SetShown(bool shown) { FShown = shown; }
  // The header names the player of the current game record.
  void ShowPlayerName();

  bool ShowPlayerOnly() const { return FShowPlayerOnly; }
  void SetShowPlayerOnly(bool value);

  TScoreLayout Layout() const;
  // Rebuilds rows 1..n from Scores.dat through the filter.
  void LoadScores(int n);
  void Paint();
  void MouseMove(int x, int y);
  // A click on the table: a challenge of the row under the pointer, or, off
  // every listed game, the screen's own answer.
  void Click();
  // The keyboard's way to the same: Up and Down move the chosen row through
  // the listed games, drawn and hinted as the row under the pointer is (the
  // two are one choice, the last move wins); Space challenges the chosen
  // game, and does nothing while none is chosen.
  void MoveSelection(int step);
  void ChallengeSelection();
  // The rows that list a game, top to bottom, as the last paint left them.
  std::vector<int> ListedRows() const;
  // The name a row of no game shows (score 0), in the player's language.
  static QString NobodyName();

  // The widget that carries the table for the keyboard and screen readers.
  TScoreTable* Table() const { return FTable; }
  // The header and the table show together.
  void setVisible(bool visible) override;

  // Element 0 is the current game record, elements 1..48 the score rows.
  const std::array<TGameRecord, MaxScoreRows + 1>& ScoreList() const { return FScoreList; }
  // The settings of the game about to be played and the reference of the
  // match filter.
  TGameRecord& CurrentGame() { return FScoreList[0]; }
  const TGameRecord& CurrentGame() const { return FScoreList[0]; }
  // The row a click would challenge; 0 when none.
  int HoverRow() const { return FHoverRow; }
  void SetHoverRow(int row) { FHoverRow = row; }

 signals:
  // The player clicked a listed game to play one with its settings.
  void ChallengeRequested(const TGameRecord& challenged);
  // The player clicked where no game is listed.
  void ClickedOffTheTable();
  // The hint of the place under the pointer changed.
  void HintChanged(const QString& hint);

 private:
  // The header's parts, each bearing its name (objectName).
  QRadioButton* RadioButtonAllPlayers = nullptr;
  TClickablePicture* Image11 = nullptr;
  QRadioButton* RadioButtonThisPlayer = nullptr;
  TClickablePicture* Image1 = nullptr;
  QLabel* LabelPlayerName = nullptr;
  TClickablePicture* Image2 = nullptr;
  QSlider* TrackBarMatchSpec = nullptr;
  TClickablePicture* Image3 = nullptr;

  void CreateControls();
  void Connect();
  bool ListsAGame(int row) const;
  // The row that a click would challenge (0: none) marked in the margins,
  // with its hint.
  void ShowHoverRow(const TScoreLayout& layout, int row);
  void NameMatchSlider();

  IScreenCanvas& FCanvas;
  TScoreTable* FTable = nullptr;
  std::array<TGameRecord, MaxScoreRows + 1> FScoreList{};
  int FHoverRow = 0;
  bool FShowPlayerOnly = false;
  bool FShown = false;
  // None until the new game dialog has given its values.
  std::optional<TGameSettings> FReference;
  QString FPlayerName;
};
