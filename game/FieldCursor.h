#pragma once

class TBoard;

// The ways the keyboard moves the cursor: one cell in a direction, or to
// the ends of its row or column.
enum TCursorMove {
  cm_Left,
  cm_Right,
  cm_Up,
  cm_Down,
  cm_RowStart,
  cm_RowEnd,
  cm_ColumnTop,
  cm_ColumnBottom,
};

// The keyboard's place on the field: a cell, whose area the keys play. It
// is hidden until the first cursor key of a game, which shows it on the
// field's centre; the pointer hides it again, and the next key shows it
// where it was. It never leaves the field.
class TFieldCursor {
 public:
  // A new field: hidden, and the next key shows it on the centre.
  void Reset() { FShown = false, FPlaced = false; }
  void Hide() { FShown = false; }
  // Shows the cursor where it stands (on a new field, on its centre).
  void Show(const TBoard& board);
  // Shows a hidden cursor where it stands; moves a shown one.
  void Move(TCursorMove move, const TBoard& board);
  // Shows the cursor on this cell (kept on the field).
  void Place(int column, int row, const TBoard& board);

  bool Shown() const { return FShown; }
  int Column() const { return FColumn; }
  int Row() const { return FRow; }

 private:
  bool FShown = false;
  bool FPlaced = false;
  int FColumn = 0;
  int FRow = 0;
};
