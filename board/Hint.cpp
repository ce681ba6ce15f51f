#include "board/Hint.h"

#include <algorithm>
#include <limits>

#include "board/AreaGraph.h"
#include "board/Board.h"
#include "board/BoardView.h"
#include "board/Solver.h"

namespace {

// The areas a hint may show, by kind, as the reasoning finds them.
struct TCandidates {
  std::vector<std::int32_t> WrongMarks, Safe, Mines;
};

void Note(const TBoard& board, std::int32_t a, bool mine, TCandidates& candidates) {
  const TAreaProperties& area = *board.Areas()[a];
  if (area.Uncovered || area.Hole) return;
  if (!mine)
    (area.Marked ? candidates.WrongMarks : candidates.Safe).push_back(a);
  else if (!area.Marked)
    candidates.Mines.push_back(a);
}

// The solver told every number shown, reasoning until it finds nothing more.
void ReasonQuickly(const TBoard& board, TSolver& solver, TCandidates& candidates) {
  ShowUncovered(board, solver);
  std::int32_t area = 0;
  while (solver.Deduce())
    while (solver.TakeSafe(area)) {
    }
  for (std::int32_t a = 0; a < solver.Graph().AreaCount(); ++a) {
    if (solver.Revealed(a)) continue;
    if (solver.Fact(a) == af_Safe) Note(board, a, false, candidates);
    if (solver.Fact(a) == af_Mine) Note(board, a, true, candidates);
  }
}

std::int64_t DistanceSquared(int column, int row, std::pair<int, int> cell) {
  const std::int64_t dc = cell.first - column, dr = cell.second - row;
  return dc * dc + dr * dr;
}

std::int64_t DistanceSquared(const TBoard& board, std::int32_t a, int column, int row) {
  return DistanceSquared(column, row, NearestCellOf(board, a, column, row));
}

// The areas nearest (column, row) first; of two as near, the first made.
void SortByDistance(const TBoard& board, std::vector<std::int32_t>& areas, int column, int row) {
  std::vector<std::pair<std::int64_t, std::int32_t>> keyed;
  keyed.reserve(areas.size());
  for (const std::int32_t a : areas) keyed.emplace_back(DistanceSquared(board, a, column, row), a);
  std::sort(keyed.begin(), keyed.end());
  for (std::size_t i = 0; i < areas.size(); ++i) areas[i] = keyed[i].second;
}

std::int32_t Nearest(const TBoard& board, const std::vector<std::int32_t>& areas, int column, int row) {
  std::pair<std::int64_t, std::int32_t> best{std::numeric_limits<std::int64_t>::max(), -1};
  for (const std::int32_t a : areas) best = std::min(best, {DistanceSquared(board, a, column, row), a});
  return best.second;
}

// Every covered area the solver left open beside a number is asked whether
// it can be safe and whether it can be a mine, nearest first, over what the
// solver left of each number; what the solver found holds in every way, so
// leaving it out loses no way. One way found answers the question for many
// areas at once. False when time ran out.
bool ReasonExactly(const TBoard& board, const TSolver& solver, int column, int row, TDeadline deadline,
                   TCandidates& candidates) {
  const TAreaGraph& graph = solver.Graph();
  TExactSearch search;
  std::vector<int> indexOf(std::size_t(graph.AreaCount()), -1);
  std::vector<std::int32_t> open;
  std::vector<int> areas;
  for (std::int32_t r = 0; r < graph.AreaCount(); ++r) {
    if (!solver.Revealed(r) || solver.Open(r) == 0) continue;
    areas.clear();
    for (const std::int32_t u : graph.Neighbours(r)) {
      if (solver.Fact(u) != af_Unknown) continue;
      if (indexOf[u] < 0) {
        indexOf[u] = search.AddArea();
        open.push_back(u);
      }
      areas.push_back(indexOf[u]);
    }
    search.AddNumber(areas, solver.Need(r));
  }
  SortByDistance(board, open, column, row);
  for (const std::int32_t u : open)
    for (const int value : {0, 1}) {
      if (search.Seen(indexOf[u], value)) continue;
      const TSearchAnswer answer = search.CanBe(indexOf[u], value, deadline);
      if (answer == sa_OutOfTime) return false;
      if (answer == sa_No) {
        Note(board, u, value == 0, candidates);
        break;
      }
    }
  return true;
}

}  // namespace

std::pair<int, int> NearestCellOf(const TBoard& board, std::int32_t area, int column, int row) {
  std::pair<int, int> nearest = board.CellOfArea(area);
  for (std::int32_t k = 1; k < board.CellCountOf(area); ++k) {
    const std::pair<int, int> cell = board.CellOfArea(area, k);
    if (DistanceSquared(column, row, cell) < DistanceSquared(column, row, nearest)) nearest = cell;
  }
  return nearest;
}

THint FindHint(const TBoard& board, const TAreaGraph& graph, int column, int row, TDeadline deadline) {
  THint hint;
  if (std::size_t(graph.AreaCount()) != board.Areas().size()) return hint;
  // The proof of what the exact search finds needs a little of the time.
  const TDeadline now = std::chrono::steady_clock::now();
  const TDeadline searchDeadline = deadline > now ? now + (deadline - now) * 4 / 5 : deadline;
  TSolver solver(graph);
  TCandidates candidates;
  ReasonQuickly(board, solver, candidates);
  bool outOfTime = false;
  if (candidates.WrongMarks.empty() && candidates.Safe.empty())
    outOfTime = !ReasonExactly(board, solver, column, row, searchDeadline, candidates);

  const struct {
    THintKind Kind;
    const std::vector<std::int32_t>& Areas;
  } kinds[] = {{hk_WrongMark, candidates.WrongMarks}, {hk_Safe, candidates.Safe}, {hk_Mine, candidates.Mines}};
  for (const auto& [kind, areas] : kinds) {
    if (areas.empty()) continue;
    hint.Kind = kind;
    hint.Area = Nearest(board, areas, column, row);
    // What the quick rules found, the numbers they used prove; what only
    // the exact search found needs a proof looked for.
    const bool mine = kind == hk_Mine;
    if (solver.Fact(hint.Area) != af_Unknown)
      hint.Proof = ShortenProof(board, graph, hint.Area, mine, solver.Reasons(hint.Area), deadline);
    else
      hint.Proof = ProveArea(board, graph, hint.Area, mine, deadline);
    return hint;
  }
  hint.Kind = outOfTime ? hk_OutOfTime : hk_None;
  return hint;
}
