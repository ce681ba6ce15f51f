#include <algorithm>
#include <charconv>
#include <cmath>

#include "board/Board.h"

namespace {

constexpr const char* GlyphFontName = "Tahoma";

TFontSpec GlyphFont(int sizePoints, TColour colour) {
  TFontSpec font;
  font.Name = GlyphFontName;
  font.SizePoints = sizePoints;
  font.Colour = colour;
  font.Bold = false;
  return font;
}

}  // namespace

// Square cells as large as the space allows, the grid centred in it. The
// edge tables cover the grid's whole capacity whatever the field's size.
void TBoard::LayOut(int availWidth, int availHeight, int top) {
  FAvailWidth = availWidth;
  FAvailHeight = availHeight;
  FCellWidth = std::max(FAvailWidth / std::max(FSizeX, 1), 0);
  FCellHeight = std::max(FAvailHeight / std::max(FSizeY, 1), 0);
  FCellWidth = FCellHeight = std::min(FCellWidth, FCellHeight);
  FGridWidth = FSizeX * FCellWidth;
  FGridHeight = FSizeY * FCellHeight;
  FOriginX = (FAvailWidth - FGridWidth) / 2 + 1;
  FOriginY = (FAvailHeight - FGridHeight) / 2 + top;
  for (int i = 1; i <= MaxColumns; ++i) {
    FColumnLeft[i] = (i - 1) * FCellWidth + FOriginX;
    FColumnRight[i] = i * FCellWidth + FOriginX - 1;
  }
  for (int j = 1; j <= MaxRows; ++j) {
    FRowTop[j] = (j - 1) * FCellHeight + FOriginY;
    FRowBottom[j] = j * FCellHeight + FOriginY - 1;
  }
}

bool TBoard::CellAt(int x, int y, int& column, int& row) const {
  column = row = -1;
  if (FSizeX < 1 || FSizeY < 1) return false;
  if (x < FColumnLeft[1] || x > FColumnRight[FSizeX] || y < FRowTop[1] || y > FRowBottom[FSizeY])
    return false;
  // Inside the grid the cell size is at least one pixel.
  column = std::min((x - FOriginX) / FCellWidth + 1, FSizeX);
  row = std::min((y - FOriginY) / FCellHeight + 1, FSizeY);
  return true;
}

// A flat tile with a one-pixel bevel on the sides that border another area:
// covered areas stand out (light top and left), uncovered and marked ones
// sink in (dark top and left, faint). Later lines own the corners.
void TBoard::PaintCell(int column, int row, ICanvas& canvas) {
  const TAreaProperties* area = AreaOfCell(column, row);
  if (!area) return;
  const int l = FColumnLeft[column], r = FColumnRight[column];
  const int t = FRowTop[row], b = FRowBottom[row];
  const bool sunken = area->Uncovered || area->Marked;
  TColour fill = area->Hole ? clBlack : area->Colour;
  if (sunken) fill = BlendColour(fill, clWhite, 0.35f);
  if (area->Proof || area->Flashing) fill = EmphasisedFill(*area, fill);
  if (area == FHovered) fill = BlendColour(BlendColour(fill, clBlack, 0.45f), FHoverColour, FPulseLevel);

  TTile tile;
  tile.Rect = TRect{l, t, r + 1, b + 1};
  tile.Fill = fill;
  if (!area->Hole) {
    const TCellRec& cell = Cell(column, row);
    tile.Bottom = cell.EdgeBottom;
    tile.Right = cell.EdgeRight;
    tile.Left = cell.EdgeLeft;
    tile.Top = cell.EdgeTop;
    if (tile.Bottom || tile.Right)
      tile.BottomRight = sunken ? BlendColour(fill, clWhite, 0.15f) : BlendColour(fill, clBlack, 0.85f);
    if (tile.Left || tile.Top)
      tile.TopLeft = sunken ? BlendColour(fill, clBlack, 0.15f) : BlendColour(fill, clWhite, 0.85f);
  }
  canvas.DrawTile(tile);
  PaintGlyph(column, row, *area, canvas);
  if (area->Proof) PaintProofFrame(column, row, canvas);
  if (area == FCursorArea) PaintCursorFrame(column, row, fill, canvas);
}

// Numbers and marks are scaled to the cell: h is the cell height less one.
// With "One Mark in Areas" only an area's label cells carry its glyph and
// its other cells show a bullet once it is open or marked.
void TBoard::PaintGlyph(int column, int row, const TAreaProperties& area, ICanvas& canvas) {
  const int l = FColumnLeft[column], r = FColumnRight[column], t = FRowTop[row];
  const int h = FRowBottom[row] - t;
  const int markSize = h * 6 / 8, textSize = h * 5 / 8;
  const bool sunken = area.Uncovered || area.Marked;
  auto glyph = [&](TGlyph which, int size, TColour colour) {
    if (size < 1) return;  // no glyph fits a cell this small
    canvas.SetFont(GlyphFont(size, colour));
    canvas.GlyphOut((l + r - canvas.GlyphWidth(which)) / 2, t, which);
  };
  if (FOneMark && !Cell(column, row).LabelCell) {
    if (sunken) glyph(gl_Bullet, textSize, BlendColour(area.Colour, clBlack, 0.25f));
  } else if (area.Exposed) {
    glyph(gl_Mine, markSize, clRed);
  } else if (area.Marked) {
    glyph(gl_Mine, markSize, clBlack);
  } else if (area.Uncovered && textSize >= 1) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, area.MineCount).ptr;
    const std::string_view text(digits, std::size_t(end - digits));
    canvas.SetFont(GlyphFont(textSize, clBlack));
    canvas.TextOut((l + r - canvas.TextWidth(text)) / 2, t, text);
  }
}

void TBoard::PaintAll(ICanvas& canvas) {
  for (int column = 1; column <= FSizeX; ++column)
    for (int row = 1; row <= FSizeY; ++row) PaintCell(column, row, canvas);
}

void TBoard::ClearChanged() {
  for (auto& area : FAreas)
    if (area.get() != FHovered) area->Changed = false;
}

void TBoard::PaintCells(const std::vector<std::int32_t>& cellIds, ICanvas& canvas) {
  for (const std::int32_t id : cellIds) PaintCell(ColumnOf(id), RowOf(id), canvas);
}

// Draws the cells of the changed and the hovered areas in reading order.
// Each area's cells are at hand, so a tick that changes little draws
// little; when much has changed, one pass over the grid keeps the order.
// The hovered area stays flagged so that it is drawn plain once more when
// the pointer leaves it.
void TBoard::PaintChanged(ICanvas& canvas) {
  const std::size_t count = FAreas.size();
  if (AreaCellStart.size() != count + 1) return;  // no field generated yet
  const std::uint32_t stamp = NextStamp();
  std::vector<std::int32_t>& cells = Scratch;
  std::vector<std::int32_t>& selected = AreaScratch;  // the areas to draw, in list order
  cells.clear();
  selected.clear();
  std::size_t selectedCells = 0;
  for (std::size_t i = 0; i < count; ++i) {
    TAreaProperties& area = *FAreas[i];
    if (!area.Changed && &area != FHovered) continue;
    AreaStamp[i] = stamp;
    selectedCells += std::size_t(AreaCellStart[i + 1] - AreaCellStart[i]);
    selected.push_back(std::int32_t(i));
    if (&area != FHovered) area.Changed = false;
  }
  if (selectedCells == 0) return;
  if (selectedCells * 4 > AreaCells.size()) {
    for (int row = 1; row <= FSizeY; ++row)
      for (int column = 1; column <= FSizeX; ++column)
        if (AreaStamp[AreaIndex[CellId(column, row)]] == stamp) PaintCell(column, row, canvas);
    return;
  }
  for (const std::int32_t i : selected)
    cells.insert(cells.end(), AreaCells.begin() + AreaCellStart[i], AreaCells.begin() + AreaCellStart[i + 1]);
  if (selected.size() > 1) std::sort(cells.begin(), cells.end());
  PaintCells(cells, canvas);
}

void TBoard::HoverAt(int column, int row, ICanvas& canvas) {
  if (!OnField(column, row)) {
    if (FHovered) FHovered->Changed = true;
    FHovered = nullptr;
  } else if (TAreaProperties* area = Cell(column, row).Area; area != FHovered) {
    if (FHovered) FHovered->Changed = true;
    if (area && !area->Hole) {
      FHovered = area;
      area->Changed = true;
    } else {
      FHovered = nullptr;  // holes are never hovered
    }
    FPulseStep = -1;
    PulseHover();  // the pulse starts at the pure hover colour
  }
  PaintChanged(canvas);
}

void TBoard::ClearHover() { FHovered = nullptr; }

// The hovered area swings between the hover colour and its darkened fill,
// a full swing about every nine ticks.
void TBoard::PulseHover() {
  FPulseStep = std::int32_t(std::uint32_t(FPulseStep) + 1u);
  FPulseLevel = float(std::cos(FPulseStep * 0.7L) * 0.5L + 0.5L);
}

void TBoard::SetOneMark(bool flag, ICanvas& canvas) {
  FOneMark = flag;
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      const TAreaProperties* area = Cell(column, row).Area;
      if (area && !area->Exposed) PaintCell(column, row, canvas);
    }
}
