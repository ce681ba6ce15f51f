#include "settings/NewGameStart.h"
#include "settings/SizeTable.h"

namespace {

void TakeSize(TGameSettings& settings, int position) {
  const TFieldSize size = SizeAtPosition(position);
  settings.SizeX = size.Columns;
  settings.SizeY = size.Rows;
}

}  // namespace

TGameSettings NewGameDialogStart(const TGameRecord* stored) {
  TGameSettings settings;
  if (stored) {
    settings = TGameSettings::FromRecord(*stored).Playable(NewGameStart::LeastCellSize);
    const int position = PositionForColumns(settings.SizeX);
    if (position != NewGameStart::SizePosition) TakeSize(settings, position);
  } else {
    // Untimed, random shapes, pattern 0 and no name, as fresh settings are.
    settings.GameSpeed = NewGameStart::GameSpeed;
    settings.MinePopulation = NewGameStart::MinePopulation;
    settings.Holes = NewGameStart::Holes;
    TakeSize(settings, NewGameStart::SizePosition);
    settings.Linking = NewGameStart::LeastLinking;
    settings.CellSize = NewGameStart::LeastCellSize;
  }
  // The thresholds are the dialog's own, whatever a record says.
  settings.HolesThreshold = NewGameStart::LeastHoles;
  settings.ShapeThreshold = NewGameStart::LeastCellSize;
  settings.LinkThreshold = NewGameStart::LeastLinking;
  return settings;
}
