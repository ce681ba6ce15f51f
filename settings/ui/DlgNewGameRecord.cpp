#include "settings/ui/DlgNewGame.h"
#include <QComboBox>
#include <QEvent>
#include <QSlider>
#include <QStatusTipEvent>
#include "settings/NewGameStart.h"
#include "settings/SizeTable.h"
#include "ui/Cp1252.h"
#include "ui/ModalSeams.h"

// The dialog's life: creation, each showing, OK, and the record that
// LastGame.dat keeps between runs.

void TDlgNewGame::FormCreate() {
  SetTimedGame(false);
  SetGameSpeed(TrackBarTimedGame->value());
  SetMinePopulation(NewGameStart::MinePopulation);
  SetHoles(NewGameStart::Holes);
  SetShapeRandom(true);
  TrackBarMinefieldSize->setValue(NewGameStart::SizePosition);
  TrackBarLinking->setValue(NewGameStart::LeastLinking);
  SetCellSize(TrackBarCellSize->minimum());
  ComboLinkPattern->setCurrentIndex(0);
  FHolesThreshold = TrackBarHoles->minimum();
  FShapeThreshold = TrackBarCellSize->minimum();
  FLinkThreshold = TrackBarLinking->minimum();
  SetDlgCompact(true);
  // The prompt is the box's text, not the current name.
  ComboBoxName->setEditText(tr("Remember me"));
  TGameRecord scratch;
  LoadLastGame(scratch);
}

int TDlgNewGame::ShowModal() {
  FormShow();
  CentreOnOwnerWindow();
  return Seams.ExecDialog ? Seams.ExecDialog(*this) : int(QDialog::Rejected);
}

void TDlgNewGame::CentreOnOwnerWindow() {
  if (!FOwnerWindow) return;
  const QRect owner = FOwnerWindow->frameGeometry();
  QRect frame = frameGeometry();
  frame.moveCenter(owner.center());
  move(frame.topLeft());
}

void TDlgNewGame::FormShow() {
  if (!ReloadSavedNames()) return;
  // Only a stored record of 0 columns, applied while the size slider stood
  // at its fallback position already, leaves no size: start from level 1.
  if (FSizeX == 0) ButtonQuickStart1Click();
}

void TDlgNewGame::OKBtnClick() {
  if (!SaveTypedName()) return;
  SaveLastGame(BuildRecord());
}

TGameSettings TDlgNewGame::Settings() const {
  TGameSettings settings;
  settings.PlayerName = ToCp1252(FCurrentName);
  settings.SizeX = FSizeX;
  settings.SizeY = FSizeY;
  settings.MinePopulation = FMinePopulation;
  settings.Holes = FHoles;
  settings.CellSize = FCellSize;
  settings.Linking = FLinking;
  settings.ShapeRandom = FShapeRandom;
  settings.PatternID = FPatternID;
  settings.TimedGame = FTimedGame;
  settings.GameSpeed = FGameSpeed;
  settings.HolesThreshold = FHolesThreshold;
  settings.ShapeThreshold = FShapeThreshold;
  settings.LinkThreshold = FLinkThreshold;
  return settings;
}

void TDlgNewGame::SaveLastGame(const TGameRecord& record) { SaveLastGameFile(LastGameFile, record); }

void TDlgNewGame::LoadLastGame(TGameRecord& dest) {
  if (!LoadLastGameFile(LastGameFile, dest)) return;
  // dest keeps what the file holds; the dialog takes only values the game
  // can play, so a damaged file never reaches a label or the board as such.
  SetSettings(TGameSettings::FromRecord(dest));
}

void TDlgNewGame::SetSettings(const TGameSettings& settings) {
  const TGameSettings stored = settings.Playable(TrackBarCellSize->minimum());
  SetTimedGame(stored.TimedGame);
  SetGameSpeed(stored.GameSpeed);
  SetCurrentName(FromCp1252(stored.PlayerName));
  SetSizeX(stored.SizeX);
  SetSizeY(stored.SizeY);
  SetMinePopulation(stored.MinePopulation);
  SetHoles(stored.Holes);
  SetLinking(stored.Linking);
  SetCellSize(stored.CellSize);
  SetShapeRandom(stored.ShapeRandom);
  SetPatternID(stored.PatternID);
  PlaceSizeSliderForSizeX();
}

void TDlgNewGame::PlaceSizeSliderForSizeX() {
  // Moving the slider replaces the stored rows by the table's; a slider
  // already in place keeps them, even when they are not a row of the table.
  TrackBarMinefieldSize->setValue(PositionForColumns(FSizeX));
}

bool TDlgNewGame::event(QEvent* event) {
  // The long part of a hint goes to the main window's status bar, as for
  // the main window's own controls.
  if (event->type() == QEvent::StatusTip) {
    emit HintShown(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QDialog::event(event);
}
