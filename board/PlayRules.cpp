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
// since). Each cell carries a byte: whether its area may still be
// uncovered, has several cells, and is a zero, so looking at a neighbour is
// one byte. An area uncovered closes its cells and, when it is a zero,
// joins the queue: a one-cell area as its cell, which is all the walk round
// it needs, a larger one as its area. Every area enters the queue at most
// once, so one flood looks at each cell's neighbours at most once; the
// areas themselves are written once, after the walk.
void TBoard::Flood() {
  const std::int32_t count = std::int32_t(FAreas.size());
  if (AreaCellStart.size() != std::size_t(count) + 1) return;  // no field published
  constexpr std::uint8_t Closed = 0, Open = 1, Shaped = 2, Zero = 4;
  const std::int32_t* cells = AreaCells.data();
  const std::int32_t* start = AreaCellStart.data();
  // The queue holds a cell id for a one-cell area and -1 - a for area a;
  // the areas the flood uncovers follow in a list of their own. Each area
  // enters each at most once.
  std::vector<std::int32_t>& queueBuffer = Scratch;
  std::vector<std::int32_t>& flags = AreaScratch;  // per area, as the cells' bytes
  std::vector<std::int32_t>& uncoveredBuffer = ListScratch;
  queueBuffer.resize(std::size_t(count));
  uncoveredBuffer.resize(std::size_t(count));
  flags.resize(std::size_t(count));
  std::int32_t* queue = queueBuffer.data();
  std::int32_t* uncovered = uncoveredBuffer.data();
  int queued = 0, uncoveredCount = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const TAreaProperties& area = *FAreas[i];
    const bool zero = area.MineCount == 0;
    flags[i] = Playable(area) ? Open | (start[i + 1] - start[i] == 1 ? 0 : Shaped) | (zero ? Zero : 0) : Closed;
    if (area.Uncovered && zero) queue[queued++] = -1 - i;
  }
  if (queued == 0) return;
  std::uint8_t* open = ClearedCellFlags();
  const std::int32_t* index = AreaIndex.data();
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      const int id = CellId(column, row);
      open[id] = std::uint8_t(flags[index[id]]);
    }

  auto look = [&](int cell) {
    const std::uint8_t flag = open[cell];
    if (flag == Closed) return;
    const std::int32_t other = index[cell];
    uncovered[uncoveredCount++] = other;
    if (flag & Shaped) {
      for (std::int32_t j = start[other]; j < start[other + 1]; ++j) open[cells[j]] = Closed;
      if (flag & Zero) queue[queued++] = -1 - other;
    } else {
      open[cell] = Closed;
      if (flag & Zero) queue[queued++] = cell;
    }
  };
  for (int head = 0; head < queued; ++head) {
    const std::int32_t entry = queue[head];
    if (entry >= 0) ForEachAround(entry, look);
    else ForEachNeighbourCell(-1 - entry, look);
  }
  for (int k = 0; k < uncoveredCount; ++k) {
    TAreaProperties& area = *FAreas[uncovered[k]];
    area.Uncovered = true;
    area.Changed = true;
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

void TBoard::LayMines(const std::vector<std::uint8_t>& mines) {
  if (AreaCellStart.size() != FAreas.size() + 1) return;  // no field published
  for (std::size_t i = 0; i < FAreas.size(); ++i)
    FAreas[i]->Mine = i < mines.size() && mines[i] != 0 && !FAreas[i]->Hole;
  CountMines();
}
