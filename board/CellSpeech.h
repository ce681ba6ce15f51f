#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "board/Phrase.h"

class TBoard;
struct TAreaProperties;

// What a listener hears of the field: assistive technology reads the grid
// as a table whose cells are its squares. A square is named by the state of
// its area and described by its place and its area's shape.

// The states that name a square, one per thing the player can tell apart
// on the field.
enum THeardState : std::uint8_t { hs_Covered, hs_CoveredTinted, hs_Marked, hs_Hole, hs_Number, hs_Mine };

THeardState HeardState(const TAreaProperties& area);
// "Covered", "Covered, tinted", "Marked", "Hole", the number shown ("0",
// "3"), or "Mine" for a mine shown at the end of a game.
std::string CellName(const TBoard& board, int column, int row);
// "Column 4, row 7; single square", "...; shaped area of 5 squares" or
// "...; linked area of 2 squares". Columns and rows count from 1.
std::string CellDescription(const TBoard& board, int column, int row);
// The same as phrases, for the windows to translate. Off the field (and
// for a name, on no area) the template is empty.
TPhrase CellNamePhrase(const TBoard& board, int column, int row);
TPhrase CellDescriptionPhrase(const TBoard& board, int column, int row);

// A field square, 1-based.
struct TSquare {
  int Column = 0;
  int Row = 0;
  bool operator==(const TSquare&) const = default;
};

// What the listener was last told of each area, so that after a play the
// squares that now sound different can say so: every command that changes
// the field (uncover and its flood, mark, tint, the mines shown at the end)
// is seen the same way, by comparing.
class THeardStates {
 public:
  // The field as it stands is what the listener knows.
  void Reset(const TBoard& board);
  // The squares whose area sounds different since the last call or Reset,
  // in reading order; from now on the listener knows them as they are.
  std::vector<TSquare> TakeChanged(const TBoard& board);

 private:
  std::vector<THeardState> FStates;
};
