#include "board/Board.h"

TBoard::TBoard() {
  Clear();
  OneMark = false;
}

TBoard::~TBoard() = default;

void TBoard::Clear() {
  if (!ColourList) ColourList = std::make_unique<TColourList>();
  for (int row = 1; row <= SizeY; ++row)
    for (int column = 1; column <= SizeX; ++column) {
      Cell(column, row).Area = nullptr;
      Cell(column, row).LabelCell = false;
    }
  Hovered = nullptr;
  Areas.clear();
}
