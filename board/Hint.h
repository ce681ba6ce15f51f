#pragma once
#include <cstdint>
#include <utility>
#include <vector>
#include "board/ExactSearch.h"

class TAreaGraph;
class TBoard;

// What a hint shows: a mark the numbers prove wrong, a covered area they
// prove safe, or one they prove a mine; or that nothing can be proven, or
// that the exact search ran out of time before it could tell.
enum THintKind { hk_None, hk_WrongMark, hk_Safe, hk_Mine, hk_OutOfTime };

// Area and Proof are positions in the board's Areas(). Proof lists the
// uncovered areas whose numbers alone force what the hint says: in every
// way of laying mines on the covered areas that gives just those numbers
// (uncovered areas holding none), Area is safe, or a mine.
struct THint {
  THintKind Kind = hk_None;
  std::int32_t Area = -1;
  std::vector<std::int32_t> Proof;
};

// The hint for the field as the player sees it. It reasons only from what
// the field shows: the numbers of the uncovered areas, which areas touch
// which, and the holes; never from the marks, the number of mines or where
// the mines are. It prefers a wrong mark, then a safe area, then a mine,
// and of one kind the area nearest the cell (column, row). The solver's
// quick rules go first; when they find no safe area or wrong mark, every
// way of meeting all the numbers is searched until the deadline.
THint FindHint(const TBoard& board, const TAreaGraph& graph, int column, int row, TDeadline deadline);

// The cell of the area nearest the cell (column, row), by the straight
// distance between their centres; of two as near, the first in reading order.
std::pair<int, int> NearestCellOf(const TBoard& board, std::int32_t area, int column, int row);

// The numbers that prove a covered area safe (mine false) or a mine: as few
// as the search needs, found by widening a ring of numbers round the area
// until they prove it and then leaving out each one they can do without.
// When time runs out first, every number joined to the area through
// covered areas, which proves whatever all the numbers prove of it.
std::vector<std::int32_t> ProveArea(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine,
                                    TDeadline deadline);
// The fewest of these numbers, which prove the claim, that still prove it:
// each left out that is not needed, then every smaller choice tried while
// there are few, as far as the time allows.
std::vector<std::int32_t> ShortenProof(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine,
                                       std::vector<std::int32_t> proof, TDeadline deadline);
