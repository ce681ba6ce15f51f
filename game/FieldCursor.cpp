#include "game/FieldCursor.h"
#include <algorithm>
#include "board/Board.h"

void TFieldCursor::Move(TCursorMove move, const TBoard& board) {
  const int columns = board.SizeX(), rows = board.SizeY();
  if (columns < 1 || rows < 1) return;
  if (!FPlaced) {
    FColumn = (columns + 1) / 2;
    FRow = (rows + 1) / 2;
    FPlaced = true;
  }
  if (!FShown) {
    // The first key only shows where the cursor is.
    FShown = true;
    return;
  }
  switch (move) {
    case cm_Left: --FColumn; break;
    case cm_Right: ++FColumn; break;
    case cm_Up: --FRow; break;
    case cm_Down: ++FRow; break;
    case cm_RowStart: FColumn = 1; break;
    case cm_RowEnd: FColumn = columns; break;
    case cm_ColumnTop: FRow = 1; break;
    case cm_ColumnBottom: FRow = rows; break;
  }
  FColumn = std::clamp(FColumn, 1, columns);
  FRow = std::clamp(FRow, 1, rows);
}
