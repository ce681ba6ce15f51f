#pragma once
#include <cstdint>
#include <vector>
#include "board/AreaGraph.h"

// Where the mines of a field lie, chosen at its first uncover.
struct TPlacement {
  std::vector<std::uint8_t> Mines;  // per area of the graph: 1 for a mine
  // From the first uncover on, the solver finds every mine without a
  // guess. False when the search ran out of tries and this is the best
  // placement it found.
  bool Deducible = false;
};

// Lays this many mines on the field so that the start area is safe and
// shows 0 where the number of mines allows it (otherwise as small a number
// as it allows), and so that from there the whole field can be cleared by
// deduction alone, played as PlayByDeduction plays it. The start never
// holds a mine, so a field asked to be nothing but mines gets one fewer.
// The search is bounded by a count of work rather than by the clock, so a
// seeded field always comes out the same; on the largest field it ends
// within about a second. Draws from the game's one random generator. A
// start that is no playable area gives no placement (Mines empty).
TPlacement PlaceWithoutGuess(const TAreaGraph& graph, std::int32_t start, std::int32_t mines);
