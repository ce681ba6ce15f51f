#pragma once
#include <cstdint>
#include "board/CellSpeech.h"
#include "ui/AccessibleTable.h"

class TBoard;
class TGame;
class TGameScreen;

// The minefield as assistive technology reads it: a table of SizeX columns
// by SizeY rows whose cells are the field's squares, each named by its
// area's state and described by its place and its area's shape. It reads
// the game the screen draws. Cells are made when a reader first asks for
// one and kept, one per square, until the field is renewed. The keyboard
// cursor is the focused cell; after a play, the cells that exist and now
// sound different say so.
class TFieldAccessible : public TAccessibleTable {
 public:
  explicit TFieldAccessible(TGameScreen* screen);
  ~TFieldAccessible() override;

  // The cursor moved: the reader hears its square at once. (Qt's bridge
  // passes on no change of active descendant, so the cell takes the focus.)
  void CursorMoved();
  // After a command that may change the field: the cells made that now
  // read differently say so, and the cursor's square takes the focus anew.
  void ReportChanges();

  // The cell of a square, made on first asking; null off the field.
  QAccessibleInterface* Cell(int column, int row) const;
  const TBoard* Board() const;
  bool CursorOn(int column, int row) const;
  // The square's pixels on the screen.
  QRect SquareRect(int column, int row) const;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  QAccessibleInterface* cellAt(int row, int column) const override { return Cell(column + 1, row + 1); }
  int columnCount() const override;
  int rowCount() const override;

 private:
  const TGame& Game() const;
  // A new field since the cells were made: they go, and what the reader
  // was told starts again from the field as it stands.
  void FollowField() const;
  void RenewCursorCell();

  mutable std::uint32_t FSerial = 0;
  mutable THeardStates FHeard;
};

// Gives the game screen its accessible face; installed with
// QAccessible::installFactory, asked only while a reader listens.
QAccessibleInterface* FieldAccessibleFactory(const QString& className, QObject* object);
