#include "board/BoardView.h"

#include <vector>

#include "board/AreaGraph.h"
#include "board/Board.h"
#include "board/Solver.h"

void ShowUncovered(const TBoard& board, TSolver& solver) {
  const TAreaList& areas = board.Areas();
  const std::int32_t count = std::min<std::int32_t>(std::int32_t(areas.size()), solver.Graph().AreaCount());
  for (std::int32_t i = 0; i < count; ++i)
    if (areas[i]->Uncovered && !solver.Revealed(i)) solver.Reveal(i, areas[i]->MineCount);
}

namespace {

// One cell of every area, to click it by.
std::vector<std::pair<int, int>> CellOfEveryArea(const TBoard& board) {
  std::vector<std::pair<int, int>> cells(board.Areas().size(), {0, 0});
  for (int row = board.SizeY(); row >= 1; --row)
    for (int column = board.SizeX(); column >= 1; --column) cells[board.AreaNumberAt(column, row)] = {column, row};
  return cells;
}

}  // namespace

bool PlayByDeduction(TBoard& board, int column, int row) {
  if (!board.OnField(column, row)) return false;
  const TAreaGraph graph(board);
  TSolver solver(graph);
  const auto cells = CellOfEveryArea(board);
  std::int32_t score = 0, clock = 0, area = 0;
  board.Uncover(column, row, 0, score, clock, false);
  if (board.AreaAt(column, row)->Marked) solver.KnowMine(board.AreaNumberAt(column, row));
  for (bool more = true; more;) {
    ShowUncovered(board, solver);
    more = solver.Deduce();
    while (solver.TakeSafe(area)) board.Uncover(cells[area].first, cells[area].second, 0, score, clock, false);
    while (solver.TakeMine(area)) {
      if (!board.Areas()[area]->Marked) board.ToggleMark(cells[area].first, cells[area].second, score);
      more = true;
    }
  }
  return board.IsCleared();
}
