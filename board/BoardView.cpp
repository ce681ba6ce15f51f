#include "board/BoardView.h"

#include "board/Board.h"
#include "board/Solver.h"

void ShowUncovered(const TBoard& board, TSolver& solver) {
  const TAreaList& areas = board.Areas();
  const std::int32_t count = std::min<std::int32_t>(std::int32_t(areas.size()), solver.Graph().AreaCount());
  for (std::int32_t i = 0; i < count; ++i)
    if (areas[i]->Uncovered && !solver.Revealed(i)) solver.Reveal(i, areas[i]->MineCount);
}
