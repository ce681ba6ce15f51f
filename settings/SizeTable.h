#pragma once
#include <cstdint>

// The minefield sizes offered by the size slider: small square fields up to
// position 4, then fields of 3:2 up to the grid's 147 x 98 at position 16.
constexpr int MinSizePosition = 0;
constexpr int MaxSizePosition = 16;
// Where the slider goes for a stored size that is not in the table.
constexpr int FallbackSizePosition = 2;

struct TFieldSize {
  int Columns = 0;
  int Rows = 0;
};

// The size at slider position p (clamped to 0..16).
TFieldSize SizeAtPosition(int position);
// The position whose column count is columns, or the fallback position.
int PositionForColumns(std::int32_t columns);
