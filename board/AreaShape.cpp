#include <algorithm>
#include "board/Board.h"

std::int32_t TBoard::SquareCount(std::int32_t a) const {
  if (a < 0 || std::size_t(a) + 1 >= AreaCellStart.size()) return 0;
  return AreaCellStart[a + 1] - AreaCellStart[a];
}

// A walk from the first square through neighbours side by side: the area
// is joined when it reaches every square. The squares' ids are sorted
// (reading order), so a neighbour is found among them by a binary search.
bool TBoard::SquaresJoined(std::int32_t a) const {
  const std::int32_t count = SquareCount(a);
  if (count <= 1) return true;
  const std::int32_t* first = AreaCells.data() + AreaCellStart[a];
  const std::int32_t* last = first + count;
  std::vector<bool> reached(std::size_t(count), false);
  std::vector<std::int32_t> waiting{0};
  reached[0] = true;
  std::int32_t found = 1;
  while (!waiting.empty()) {
    const std::int32_t id = first[waiting.back()];
    waiting.pop_back();
    for (const int step : {-1, 1, -Stride, Stride}) {
      const std::int32_t* at = std::lower_bound(first, last, id + step);
      if (at == last || *at != id + step || reached[std::size_t(at - first)]) continue;
      reached[std::size_t(at - first)] = true;
      waiting.push_back(std::int32_t(at - first));
      ++found;
    }
  }
  return found == count;
}
