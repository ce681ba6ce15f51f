#include <algorithm>

#include "board/Arithmetic.h"
#include "board/Board.h"

namespace {

constexpr TColour TintColour = 0x444470;          // red 112, green 68, blue 68
constexpr TColour LifelineHoverColour = 0x88FF88;  // red 136, green 255, blue 136

bool Playable(const TAreaProperties& area) { return !area.Uncovered && !area.Marked && !area.Hole; }

}  // namespace

// Returns true exactly when a mine goes off. A mine met under the first-move
// grace or a lifeline turns into a mark at a price instead.
bool TBoard::Uncover(int column, int row, std::int32_t bonus, std::int32_t& score,
                     std::int32_t& clock, bool timed) {
  TAreaProperties* area = AreaOfCell(column, row);
  if (!area || !Playable(*area)) return false;
  bool exploded = false;
  if (area->Mine) {
    if (FFirstMove || FLifeline) {
      area->Marked = true;
      area->Changed = true;
      score = SaturateToInt32(std::int64_t(score) * 4 / 5 - 30);
      if (timed) clock = SaturatingAdd(clock, -20);
    } else {
      exploded = true;
    }
  } else {
    area->Uncovered = true;
    area->Changed = true;
    Flood();
    if (timed) {
      clock = SaturatingAdd(clock, bonus);
      score = SaturatingAdd(score, 10);
    } else {
      score = SaturatingAdd(score, 5);
    }
  }
  FFirstMove = false;
  return exploded;
}

// Every area touching an uncovered area numbered 0 is uncovered, again and
// again, except marks and holes. The flood starts from every uncovered zero
// (one uncovered earlier may touch an area whose mark has been taken off
// since). Each cell carries whether its area may still be uncovered, so
// looking at a neighbour is one byte; an area uncovered closes all its
// cells and, numbered 0, joins the queue. Every area enters the queue at
// most once, so one flood looks at each cell's neighbours at most once.
void TBoard::Flood() {
  const std::int32_t count = std::int32_t(FAreas.size());
  if (AreaCellStart.size() != std::size_t(count) + 1) return;  // no field published
  std::vector<std::int32_t>& queue = Scratch;
  std::vector<std::int32_t>& open = AreaScratch;
  queue.clear();
  open.resize(std::size_t(count));
  for (std::int32_t i = 0; i < count; ++i) {
    const TAreaProperties& area = *FAreas[i];
    open[i] = Playable(area);
    if (area.Uncovered && area.MineCount == 0) queue.push_back(i);
  }
  if (queue.empty()) return;
  if (OpenCell.size() != std::size_t(GridCells)) OpenCell.assign(std::size_t(GridCells), 0);
  std::uint8_t* openCell = OpenCell.data();
  const std::int32_t* index = AreaIndex.data();
  for (int row = 1; row <= FSizeY; ++row) {
    const int line = CellId(0, row);
    openCell[line] = 0;
    for (int column = 1; column <= FSizeX; ++column) openCell[line + column] = std::uint8_t(open[index[line + column]]);
    openCell[line + FSizeX + 1] = 0;
  }
  std::fill_n(openCell + CellId(0, 0), FSizeX + 2, 0);
  std::fill_n(openCell + CellId(0, FSizeY + 1), FSizeX + 2, 0);

  const std::int32_t* cells = AreaCells.data();
  const std::int32_t* start = AreaCellStart.data();
  for (std::size_t head = 0; head < queue.size(); ++head) {
    ForEachNeighbourCell(queue[head], [&](int cell) {
      if (!openCell[cell]) return;
      const std::int32_t other = index[cell];
      TAreaProperties& neighbour = *FAreas[other];
      neighbour.Uncovered = true;
      neighbour.Changed = true;
      for (std::int32_t j = start[other]; j < start[other + 1]; ++j) openCell[cells[j]] = 0;
      if (neighbour.MineCount == 0) queue.push_back(other);
    });
  }
}

void TBoard::ToggleMark(int column, int row, std::int32_t& score) {
  TAreaProperties* area = AreaOfCell(column, row);
  if (!area || area->Uncovered || area->Hole) return;
  area->Marked = !area->Marked;
  if (!area->Marked) score = SaturatingAdd(score, -20);
  area->Changed = true;
}

// The both-buttons tint: a colour the player can give an area as a note to
// self. It is not flagged for drawing; the hover repaint shows it.
void TBoard::Tint(int column, int row) {
  if (TAreaProperties* area = AreaOfCell(column, row)) area->Colour = TintColour;
  FFirstMove = false;
}

void TBoard::RevealMines(ICanvas& canvas) {
  for (auto& area : FAreas)
    if (area->Mine) {
      area->Exposed = true;
      area->Changed = true;
    }
  PaintChanged(canvas);
}

bool TBoard::IsCleared() const {
  for (const auto& area : FAreas)
    if (area->Mine != area->Marked) return false;
  return true;
}

std::int32_t TBoard::UnexploredCount() const {
  std::int32_t count = 0;
  for (const auto& area : FAreas)
    if (!area->Mine && !area->Marked && !area->Hole && !area->Uncovered) ++count;
  return count;
}

void TBoard::SetLifeline(bool flag) {
  FLifeline = flag;
  FHoverColour = flag ? LifelineHoverColour : clWhite;
}
