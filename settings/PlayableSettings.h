#pragma once
#include <cstdint>
#include "settings/GameRecord.h"

// A stored record (LastGame.dat, or a listed score being challenged) with
// every setting brought into the range that means something to the game.
// What the game itself may have stored is kept as it is, even beyond a
// slider's end: a mine population of 300, a 12 x 12 field. Only values that
// a damaged file alone can hold are moved:
// - a size that the largest field, 147 x 98, cannot hold becomes 0 x 0, "no
//   size", which the dialog replaces by the size slider's row or by quick
//   setting 1 as it does for a stored field of 0 columns;
// - a density below zero becomes zero, a shaped-cell size below its least
//   value becomes that value: both mean "none", as they do to the board;
// - a density beyond "all" becomes "all": 500 per 500 for mines and holes,
//   every area linked (100), one shaped cell filling the largest field;
// - the game speed stays within 0..20, so a timed game never starts with
//   no time or less.
// The name, the shape mode and the pattern number are left as they are.
TGameRecord WithPlayableSettings(TGameRecord record, std::int32_t leastCellSize);
