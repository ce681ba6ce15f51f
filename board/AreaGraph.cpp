#include "board/AreaGraph.h"

#include "board/Board.h"

namespace {

// The cells of every area, grouped by area (a counting sort, linear).
struct TCellsByArea {
  std::vector<std::int32_t> Start;
  std::vector<std::pair<int, int>> Cells;
};

TCellsByArea GroupCells(const TBoard& board, std::int32_t areaCount) {
  TCellsByArea grouped;
  grouped.Start.assign(std::size_t(areaCount) + 1, 0);
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column) ++grouped.Start[board.AreaNumberAt(column, row) + 1];
  for (std::int32_t a = 0; a < areaCount; ++a) grouped.Start[a + 1] += grouped.Start[a];
  grouped.Cells.resize(std::size_t(grouped.Start[areaCount]));
  std::vector<std::int32_t> fill(grouped.Start.begin(), grouped.Start.end() - 1);
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column)
      grouped.Cells[fill[board.AreaNumberAt(column, row)]++] = {column, row};
  return grouped;
}

}  // namespace

// Each area walks round its own cells and lists every other playable area it
// meets once, a stamp per area telling which it met already.
TAreaGraph::TAreaGraph(const TBoard& board) {
  const std::int32_t count = std::int32_t(board.Areas().size());
  FHole.resize(std::size_t(count));
  for (std::int32_t a = 0; a < count; ++a) FHole[a] = board.Areas()[a]->Hole;
  const TCellsByArea grouped = GroupCells(board, count);
  std::vector<std::int32_t> metBy(std::size_t(count), -1);
  FStart.assign(1, 0);
  FNeighbours.reserve(std::size_t(board.SizeX()) * board.SizeY() * 3);
  for (std::int32_t a = 0; a < count; ++a) {
    if (!FHole[a]) {
      metBy[a] = a;
      for (std::int32_t k = grouped.Start[a]; k < grouped.Start[a + 1]; ++k) {
        const auto [column, row] = grouped.Cells[k];
        for (int dc = -1; dc <= 1; ++dc)
          for (int dr = -1; dr <= 1; ++dr) {
            if (!board.OnField(column + dc, row + dr)) continue;
            const std::int32_t b = board.AreaNumberAt(column + dc, row + dr);
            if (metBy[b] == a || FHole[b]) continue;
            metBy[b] = a;
            FNeighbours.push_back(b);
          }
      }
    }
    FStart.push_back(std::int32_t(FNeighbours.size()));
  }
}
