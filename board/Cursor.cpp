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

// The frame follows the area's outline: on each side where the cell meets
// another area, a dark band on the outermost pixels and a light one inside
// it, so that one of the two stands out on any colour. A cell too small for
// two gets one, dark or light against its fill. The bands are filled
// rectangles, so that on a screen of more device pixels they keep their
// width in logical pixels.
void TBoard::PaintCursorFrame(int column, int row, TColour fill, ICanvas& canvas) {
  canvas.SetPenStyle(ps_Clear);
  canvas.SetBrushStyle(bs_Solid);
  const int size = FColumnRight[column] - FColumnLeft[column] + 1;
  if (size >= 4) {
    // Large cells get a dark band two pixels wide, to be seen at a glance.
    const int dark = size >= 16 ? 2 : 1;
    PaintBand(column, row, 0, dark, clBlack, canvas);
    PaintBand(column, row, dark, 1, clWhite, canvas);
  } else {
    PaintBand(column, row, 0, 1, IsLight(fill) ? clBlack : clWhite, canvas);
  }
}
