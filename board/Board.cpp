#include "board/Board.h"

TBoard::TBoard() {
  AreaIndex.assign(std::size_t(GridCells), Border);
  Clear();
  FOneMark = false;
}

TBoard::~TBoard() = default;

// Clear keeps the colour memory (it carries over from game to game) and the
// edge flags (generation recomputes them); only the cells of the current
// size and the border round them are reset, the rest of the grid is never
// read.
void TBoard::Clear() {
  if (!FColourList) FColourList = std::make_unique<TColourList>();
  FHovered = nullptr;  // the hovered area ends with the list
  FCursorArea = nullptr;
  // The proof and the flash end with the areas they name.
  FProofAreas.clear();
  FFlashAreas.clear();
  FFlashTicksLeft = 0;
  FAreas.clear();
  AreasGiven = 0;
  for (int column = 1; column <= FSizeX; ++column)
    for (int row = 1; row <= FSizeY; ++row) {
      TCellRec& cell = MutableCell(column, row);
      cell.Area = nullptr;
      cell.LabelCell = false;
    }
  for (int row = 0; row <= FSizeY + 1; ++row) {
    std::int32_t* line = &AreaIndex[CellId(0, row)];
    const bool edge = row == 0 || row == FSizeY + 1;
    std::fill_n(line + 1, FSizeX, edge ? Border : NoArea);
    line[0] = Border;
    line[FSizeX + 1] = Border;
  }
  AreaCellStart.assign(1, 0);
  AreaCells.clear();
  AreaStamp.clear();
  StampValue = 0;
}

int TBoard::AddArea(TColour colour) {
  if (AreasGiven == AreaStore.size() * AreaBlockSize)
    AreaStore.push_back(std::make_unique<TAreaProperties[]>(AreaBlockSize));
  TAreaProperties& area = AreaStore[AreasGiven / AreaBlockSize][AreasGiven % AreaBlockSize];
  ++AreasGiven;
  area = TAreaProperties{};
  area.Colour = colour;
  FAreas.emplace_back(&area);
  return int(FAreas.size()) - 1;
}

// The areas come from the store's next places, in order.
int TBoard::AddAreas(int n) {
  const int first = int(FAreas.size());
  while (AreasGiven + std::size_t(n) > AreaStore.size() * AreaBlockSize)
    AreaStore.push_back(std::make_unique<TAreaProperties[]>(AreaBlockSize));
  const std::size_t needed = FAreas.size() + std::size_t(n);
  if (FAreas.capacity() < needed) FAreas.reserve(std::max(needed, 2 * FAreas.capacity()));
  for (int k = 0; k < n; ++k, ++AreasGiven) {
    TAreaProperties& area = AreaStore[AreasGiven / AreaBlockSize][AreasGiven % AreaBlockSize];
    area = TAreaProperties{};
    FAreas.emplace_back(&area);
  }
  return first;
}

TAreaProperties* TBoard::AreaOfCell(int column, int row) const {
  return OnField(column, row) ? Cell(column, row).Area : nullptr;
}

// Points every cell at its area, marks the sides where it borders another
// area, and groups the cell ids by area (a counting sort over the grid in
// reading order, so each area's cells stay in reading order too).
void TBoard::PublishCells() {
  const std::size_t areaCount = FAreas.size();
  AreaCellStart.assign(areaCount + 1, 0);
  PointCellsAtAreas();
  for (int row = 1; row <= FSizeY; ++row) {
    const std::int32_t* line = &AreaIndex[CellId(0, row)];
    for (int column = 1; column <= FSizeX; ++column) ++AreaCellStart[line[column] + 1];
  }
  for (std::size_t i = 0; i < areaCount; ++i) AreaCellStart[i + 1] += AreaCellStart[i];
  AreaCells.resize(std::size_t(FSizeX) * FSizeY);
  std::vector<std::int32_t>& fill = AreaScratch;
  fill.assign(AreaCellStart.begin(), AreaCellStart.end() - 1);
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      const int id = CellId(column, row);
      AreaCells[fill[AreaIndex[id]]++] = id;
    }
  AreaStamp.assign(areaCount, 0);
  StampValue = 0;
}

// One pass down the cells in the grid's own order (column by column) sets
// both what a cell points at and its edges. The border round the field
// holds no area, so a field cell's edge toward it is drawn like one toward
// another area. A hole draws no edges: its cells keep theirs untouched.
void TBoard::PointCellsAtAreas() {
  const std::int32_t* index = AreaIndex.data();
  for (int column = 1; column <= FSizeX; ++column)
    for (int row = 1; row <= FSizeY; ++row) {
      const int id = CellId(column, row);
      const std::int32_t area = index[id];
      TAreaProperties* properties = FAreas[area].get();
      TCellRec& cell = MutableCell(column, row);
      cell.Area = properties;
      if (properties->Hole) continue;
      cell.EdgeTop = index[id - Stride] != area;
      cell.EdgeLeft = index[id - 1] != area;
      cell.EdgeBottom = index[id + Stride] != area;
      cell.EdgeRight = index[id + 1] != area;
    }
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

// The cell bytes of the current field and the border round it, all zero.
std::uint8_t* TBoard::ClearedCellFlags() {
  if (CellFlags.size() != std::size_t(GridCells)) CellFlags.assign(std::size_t(GridCells), 0);
  for (int row = 0; row <= FSizeY + 1; ++row) std::fill_n(&CellFlags[CellId(0, row)], FSizeX + 2, 0);
  return CellFlags.data();
}

void TBoard::AppendTouchingAreas(std::int32_t a, std::vector<std::int32_t>& metBy,
                                 std::vector<std::int32_t>& touching) const {
  metBy[a] = a;
  ForEachNeighbourCell(a, [&](int cell) {
    const std::int32_t b = AreaIndex[cell];
    if (b < 0 || metBy[b] == a) return;  // no area, the border, or met already
    metBy[b] = a;
    touching.push_back(b);
  });
}
