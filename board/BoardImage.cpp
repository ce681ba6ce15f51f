#include "board/Board.h"

namespace {

// The flags of one area that can stand together in a game: a hole takes no
// part in play and holds no mine, a mark and an uncover exclude each other,
// and only a mine is ever shown as one.
bool FlagsGoTogether(const TAreaImage& area) {
  if (area.Mine && area.Hole) return false;
  if (area.Hole && (area.Uncovered || area.Marked || area.Exposed)) return false;
  if (area.Uncovered && area.Marked) return false;
  return !area.Exposed || area.Mine;
}

bool AreaFieldsInRange(const TAreaImage& area, std::int64_t cells, std::int64_t areas) {
  return area.Colour <= 0xFFFFFF && area.CellCount >= 0 && area.CellCount <= cells && area.MineCount >= 0 &&
         area.MineCount <= areas && FlagsGoTogether(area);
}

// A cell's edges are drawn where the next cell belongs to another area or
// the field ends; a hole's are never drawn, so they may hold anything.
bool EdgesFollowTheAreas(const TBoardImage& image, const std::vector<TCellImage>& cells) {
  const int sizeX = image.SizeX, sizeY = image.SizeY;
  auto areaAt = [&](int column, int row) { return cells[std::size_t(row - 1) * sizeX + (column - 1)].Area; };
  for (int row = 1; row <= sizeY; ++row)
    for (int column = 1; column <= sizeX; ++column) {
      const TCellImage& cell = cells[std::size_t(row - 1) * sizeX + (column - 1)];
      if (image.Areas[cell.Area].Hole) continue;
      const bool top = row == 1 || areaAt(column, row - 1) != cell.Area;
      const bool left = column == 1 || areaAt(column - 1, row) != cell.Area;
      const bool bottom = row == sizeY || areaAt(column, row + 1) != cell.Area;
      const bool right = column == sizeX || areaAt(column + 1, row) != cell.Area;
      if (cell.EdgeTop != top || cell.EdgeLeft != left || cell.EdgeBottom != bottom || cell.EdgeRight != right)
        return false;
    }
  return true;
}

}  // namespace

TBoardImage TBoard::Image() const {
  TBoardImage image;
  image.SizeX = FSizeX;
  image.SizeY = FSizeY;
  image.FirstMove = FFirstMove;
  image.Lifeline = FLifeline;
  image.Areas.reserve(FAreas.size());
  for (const TAreaRef& area : FAreas)
    image.Areas.push_back({area->Colour, area->CellCount, area->MineCount, area->Uncovered, area->Exposed,
                           area->Marked, area->Hole, area->Mine});
  image.Cells.reserve(std::size_t(FSizeX) * FSizeY);
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      const TCellRec& cell = Cell(column, row);
      image.Cells.push_back({AreaIndex[CellId(column, row)], cell.LabelCell, cell.EdgeTop, cell.EdgeLeft,
                             cell.EdgeBottom, cell.EdgeRight});
    }
  return image;
}

bool TBoard::Restore(const TBoardImage& image) {
  if (ImageHoldsTogether(image)) {
    LayImage(image);
    if (LaidFieldMatches(image)) return true;
  }
  Clear();
  FSizeX = 0;
  FSizeY = 0;
  FFirstMove = false;
  return false;
}

// Everything that can be checked on the image alone, before the board is
// touched: every later step may then index freely.
bool TBoard::ImageHoldsTogether(const TBoardImage& image) {
  if (image.SizeX < 1 || image.SizeX > MaxColumns || image.SizeY < 1 || image.SizeY > MaxRows) return false;
  const std::int64_t cells = std::int64_t(image.SizeX) * image.SizeY;
  const std::int64_t areas = std::int64_t(image.Areas.size());
  // Every area holds at least one cell, so there are never more areas.
  if (std::int64_t(image.Cells.size()) != cells || areas < 1 || areas > cells) return false;
  for (const TAreaImage& area : image.Areas)
    if (!AreaFieldsInRange(area, cells, areas)) return false;
  std::vector<std::uint8_t> held(image.Areas.size(), 0), labelled(image.Areas.size(), 0);
  for (const TCellImage& cell : image.Cells) {
    if (cell.Area < 0 || cell.Area >= areas) return false;
    held[cell.Area] = 1;
    labelled[cell.Area] |= cell.LabelCell;
  }
  // "One Mark in Areas" shows a playable area's glyph in its label cells.
  for (std::size_t i = 0; i < image.Areas.size(); ++i)
    if (!held[i] || (!image.Areas[i].Hole && !labelled[i])) return false;
  return EdgesFollowTheAreas(image, image.Cells);
}

// The field as generation leaves it, with the image's areas in its list:
// the cells' areas, label cells and (for holes, whose edges nothing works
// out) edges, then the indexes that play and drawing use.
void TBoard::LayImage(const TBoardImage& image) {
  FSizeX = image.SizeX;
  FSizeY = image.SizeY;
  Clear();
  const int first = AddAreas(int(image.Areas.size()));
  for (std::size_t i = 0; i < image.Areas.size(); ++i) {
    const TAreaImage& from = image.Areas[i];
    TAreaProperties& area = *FAreas[first + i];
    area.Colour = from.Colour;
    area.CellCount = from.CellCount;
    area.MineCount = from.MineCount;
    area.Uncovered = from.Uncovered;
    area.Exposed = from.Exposed;
    area.Marked = from.Marked;
    area.Hole = from.Hole;
    area.Mine = from.Mine;
  }
  const TCellImage* from = image.Cells.data();
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column, ++from) {
      AreaIndex[CellId(column, row)] = from->Area;
      TCellRec& cell = MutableCell(column, row);
      cell.LabelCell = from->LabelCell;
      cell.EdgeTop = from->EdgeTop;
      cell.EdgeLeft = from->EdgeLeft;
      cell.EdgeBottom = from->EdgeBottom;
      cell.EdgeRight = from->EdgeRight;
    }
  PublishCells();
  FFirstMove = image.FirstMove;
  SetLifeline(image.Lifeline);
}

// The numbers shown must be the ones the mines make.
bool TBoard::LaidFieldMatches(const TBoardImage& image) {
  CountMines();
  for (std::size_t i = 0; i < image.Areas.size(); ++i)
    if (FAreas[i]->MineCount != image.Areas[i].MineCount) return false;
  return true;
}
