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
// one byte. An area uncovered closes its cells; a zero of several cells
// joins the queue as its area. A zero of one cell opens at once the whole
// run of such zeros along its row, and the run joins the queue: the cells
// at its ends and the rows above and below it, one cell past each end,
// hold the eight neighbours of every cell of the run. Those are looked at
// in row order, where open and closed cells come in runs, so the tests are
// mostly foreseen, and the flood looks at about three cells per cell
// instead of eight. Every area is uncovered and queued at most once; the
// areas themselves are written once, after the walk.
void TBoard::Flood() {
  const std::int32_t count = std::int32_t(FAreas.size());
  if (AreaCellStart.size() != std::size_t(count) + 1) return;  // no field published
  constexpr std::uint8_t Closed = 0, Open = 1, Shaped = 2, Zero = 4;
  const std::int32_t* cells = AreaCells.data();
  const std::int32_t* start = AreaCellStart.data();
  // The queue holds -1 - a for area a and a run as its first and last
  // cell ids, two entries; the areas the flood uncovers follow in a list
  // of their own. Each area enters each at most once.
  std::vector<std::int32_t>& queueBuffer = Scratch;
  std::vector<std::int32_t>& flags = AreaScratch;  // per area, as the cells' bytes
  std::vector<std::int32_t>& uncoveredBuffer = ListScratch;
  queueBuffer.resize(2 * std::size_t(count));
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

  constexpr std::uint8_t OpenZeroCell = Open | Zero;  // a zero of one cell
  auto uncover = [&](int cell) {
    open[cell] = Closed;
    uncovered[uncoveredCount++] = index[cell];
  };
  auto openRun = [&](int cell) {
    int left = cell, right = cell;
    uncover(cell);
    for (; open[left - 1] == OpenZeroCell; --left) uncover(left - 1);
    for (; open[right + 1] == OpenZeroCell; ++right) uncover(right + 1);
    queue[queued++] = left;
    queue[queued++] = right;
  };
  auto look = [&](int cell) {
    const std::uint8_t flag = open[cell];
    if (flag == Closed) return;
    if (flag == OpenZeroCell) return openRun(cell);
    if (flag & Shaped) {
      const std::int32_t other = index[cell];
      uncovered[uncoveredCount++] = other;
      for (std::int32_t j = start[other]; j < start[other + 1]; ++j) open[cells[j]] = Closed;
      if (flag & Zero) queue[queued++] = -1 - other;
    } else {
      uncover(cell);  // a number: the flood stops there
    }
  };
  for (int head = 0; head < queued;) {
    const std::int32_t entry = queue[head++];
    if (entry < 0) {
      ForEachNeighbourCell(-1 - entry, look);
      continue;
    }
    const int left = entry, right = queue[head++];
    look(left - 1);
    look(right + 1);
    for (int cell = left - 1; cell <= right + 1; ++cell) look(cell - Stride);
    for (int cell = left - 1; cell <= right + 1; ++cell) look(cell + Stride);
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

// Generation gives only mid-tones (red and green together above 200), so
// the tint's dark red is never an area's own colour.
bool TBoard::Tinted(const TAreaProperties& area) { return area.Colour == TintColour; }

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
