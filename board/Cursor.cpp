#include "board/Board.h"

namespace {

bool IsLight(TColour c) { return RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114 > 128 * 1000; }

}  // namespace

void TBoard::SetCursor(int column, int row) {
  TAreaProperties* area = OnField(column, row) ? Cell(column, row).Area : nullptr;
  if (area == FCursorArea) return;
  if (FCursorArea) FCursorArea->Changed = true;
  if (area) area->Changed = true;
  FCursorArea = area;
}

// The frame follows the area's outline: a dark line on the outermost pixels
// and a light one inside it, so that one of the two stands out on any
// colour. A cell too small for two lines gets one, dark or light against
// its fill.
void TBoard::PaintCursorFrame(int column, int row, TColour fill, ICanvas& canvas) {
  canvas.SetPenStyle(ps_Solid);
  canvas.SetPenWidth(1);
  const int size = FColumnRight[column] - FColumnLeft[column] + 1;
  if (size >= 4) {
    // Large cells get a dark line two pixels wide, to be seen at a glance.
    const int dark = size >= 16 ? 2 : 1;
    for (int inset = 0; inset < dark; ++inset) PaintOutline(column, row, inset, clBlack, canvas);
    PaintOutline(column, row, dark, clWhite, canvas);
  } else {
    PaintOutline(column, row, 0, IsLight(fill) ? clBlack : clWhite, canvas);
  }
}

// One ring of an area's outline within a cell: on each side where the cell
// meets another area, a line inset pixels in from the edge.
void TBoard::PaintOutline(int column, int row, int inset, TColour colour, ICanvas& canvas) {
  const TCellRec& cell = Cell(column, row);
  const int l = FColumnLeft[column], r = FColumnRight[column];
  const int t = FRowTop[row], b = FRowBottom[row];
  canvas.SetPenColour(colour);
  const int left = cell.EdgeLeft ? l + inset : l, right = cell.EdgeRight ? r - inset : r;
  const int top = cell.EdgeTop ? t + inset : t, bottom = cell.EdgeBottom ? b - inset : b;
  if (left > right || top > bottom) return;
  if (cell.EdgeTop) canvas.HorizontalLine(left, right, top);
  if (cell.EdgeBottom) canvas.HorizontalLine(left, right, bottom);
  if (cell.EdgeLeft) canvas.VerticalLine(left, top, bottom);
  if (cell.EdgeRight) canvas.VerticalLine(right, top, bottom);
}
