#include "game/FieldCursor.h"
#include <algorithm>
#include "board/Board.h"

void TFieldCursor::Show(const TBoard& board) {
  if (board.SizeX() < 1 || board.SizeY() < 1) return;
  if (!FPlaced) {
    FColumn = (board.SizeX() + 1) / 2;
    FRow = (board.SizeY() + 1) / 2;
    FPlaced = true;
  }
  FShown = true;
}

void TFieldCursor::Move(TCursorMove move, const TBoard& board) {
  if (!FShown) {
    Show(board);  // the first key only shows where the cursor is
    return;
  }
  const int columns = board.SizeX(), rows = board.SizeY();
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

void TFieldCursor::Place(int column, int row, const TBoard& board) {
  if (board.SizeX() < 1 || board.SizeY() < 1) return;
  FColumn = std::clamp(column, 1, int(board.SizeX()));
  FRow = std::clamp(row, 1, int(board.SizeY()));
  FPlaced = true;
  FShown = true;
}
