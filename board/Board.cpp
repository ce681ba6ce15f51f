#include "board/Board.h"

TBoard::TBoard() {
  AreaIndex.assign(std::size_t(MaxColumns) * MaxRows, -1);
  Clear();
  FOneMark = false;
}

TBoard::~TBoard() = default;

// Clear keeps the colour memory (it carries over from game to game) and the
// edge flags (generation recomputes them); only the cells of the current
// size are reset, the rest of the grid is never read.
void TBoard::Clear() {
  if (!FColourList) FColourList = std::make_unique<TColourList>();
  FHovered = nullptr;  // the hovered area ends with the list
  FAreas.clear();
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      TCellRec& cell = MutableCell(column, row);
      cell.Area = nullptr;
      cell.LabelCell = false;
      AreaIndex[CellId(column, row)] = -1;
    }
  AreaCellStart.assign(1, 0);
  AreaCells.clear();
  AreaStamp.clear();
  StampValue = 0;
}

int TBoard::AddArea(TColour colour) {
  auto area = std::make_unique<TAreaProperties>();
  area->Colour = colour;
  FAreas.push_back(std::move(area));
  return int(FAreas.size()) - 1;
}

TAreaProperties* TBoard::AreaOfCell(int column, int row) const {
  return OnField(column, row) ? Cell(column, row).Area : nullptr;
}

// Points every cell at its area and groups the cell ids by area (a counting
// sort over the grid in reading order, so each area's cells stay in reading
// order too).
void TBoard::PublishCells() {
  const std::size_t areaCount = FAreas.size();
  AreaCellStart.assign(areaCount + 1, 0);
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      const int area = AreaIndex[CellId(column, row)];
      MutableCell(column, row).Area = FAreas[area].get();
      ++AreaCellStart[area + 1];
    }
  for (std::size_t i = 0; i < areaCount; ++i) AreaCellStart[i + 1] += AreaCellStart[i];
  AreaCells.assign(std::size_t(FSizeX) * FSizeY, 0);
  std::vector<std::int32_t> fill(AreaCellStart.begin(), AreaCellStart.end() - 1);
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      const int id = CellId(column, row);
      AreaCells[fill[AreaIndex[id]]++] = id;
    }
  AreaStamp.assign(areaCount, 0);
  StampValue = 0;
}

// A fresh mark for one pass over the areas; the stamps are wiped only when
// the counter wraps.
std::uint32_t TBoard::NextStamp() {
  if (++StampValue == 0) {
    std::fill(AreaStamp.begin(), AreaStamp.end(), 0);
    StampValue = 1;
  }
  return StampValue;
}
