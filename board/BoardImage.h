#pragma once
#include <cstdint>
#include <vector>
#include "board/ColourUtils.h"

// A field as a saved game keeps it: everything the board needs to rebuild
// it exactly, and nothing of the window (pixel geometry, hover, pulse) or of
// the options (One Mark in Areas, the colour memory).

struct TAreaImage {
  TColour Colour = 0;
  std::int32_t CellCount = 0;
  std::int32_t MineCount = 0;
  bool Uncovered = false;
  bool Exposed = false;
  bool Marked = false;
  bool Hole = false;
  bool Mine = false;

  bool operator==(const TAreaImage&) const = default;
};

struct TCellImage {
  std::int32_t Area = 0;  // position in the area list
  bool LabelCell = false;
  bool EdgeTop = false;
  bool EdgeLeft = false;
  bool EdgeBottom = false;
  bool EdgeRight = false;

  bool operator==(const TCellImage&) const = default;
};

struct TBoardImage {
  std::int32_t SizeX = 0;
  std::int32_t SizeY = 0;
  bool FirstMove = false;
  bool Lifeline = false;
  std::vector<TAreaImage> Areas;  // in the order of the area list
  std::vector<TCellImage> Cells;  // row by row, SizeX x SizeY

  bool operator==(const TBoardImage&) const = default;
};
