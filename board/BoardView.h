#pragma once

class TBoard;
class TSolver;

// Tells the solver what the board shows that it has not been told yet: every
// uncovered area with its number. What covered areas hold is never read;
// marks are not told, since the player's marks may be wrong.
void ShowUncovered(const TBoard& board, TSolver& solver);
