#pragma once

class TBoard;
class TSolver;

// Tells the solver what the board shows that it has not been told yet: every
// uncovered area with its number. What covered areas hold is never read;
// marks are not told, since the player's marks may be wrong.
void ShowUncovered(const TBoard& board, TSolver& solver);

// Plays the field as a player who never guesses: uncovers the area of this
// cell, then uncovers every area the solver finds safe and marks every mine
// it finds, until it finds nothing more. Returns whether the field is then
// cleared. A mine met on the first uncover is defused by the grace and is
// then known.
bool PlayByDeduction(TBoard& board, int column, int row);
