#pragma once
#include "settings/GameRecord.h"
#include "settings/GameSettings.h"

// Where the new game dialog's controls start. The dialog builds its sliders
// from these, and the first screen works out the dialog's settings from
// them without building it.
namespace NewGameStart {
// The least values of the feature sliders: a feature is on above them.
constexpr int LeastHoles = 0;
constexpr int LeastCellSize = 10;
constexpr int LeastLinking = 0;
// The settings the dialog takes before LastGame.dat's.
constexpr int GameSpeed = 7;
constexpr int MinePopulation = 80;
constexpr int Holes = 10;
constexpr int SizePosition = 3;
}  // namespace NewGameStart

// The name of the file that keeps the settings of the last game chosen.
constexpr const char* LastGameFile = "LastGame.dat";

// The settings the new game dialog holds once it is built: the start values
// above, then the settings of a stored record (none when LastGame.dat has
// nothing to apply) brought into the range the game plays. The size slider
// moves to the stored column count's position, and a slider that moves
// takes that position's size; one that stays keeps the stored size.
TGameSettings NewGameDialogStart(const TGameRecord* stored);
