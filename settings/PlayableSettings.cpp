#include "settings/PlayableSettings.h"
#include <algorithm>
#include "settings/SizeTable.h"

namespace {
// Densities are counts per 500 areas (mines) or squares (holes).
constexpr std::int32_t AllPer500 = 500;
// The board links this share of the areas, in percent.
constexpr std::int32_t AllLinked = 100;
constexpr std::int32_t GreatestGameSpeed = 20;

bool FitsTheGrid(const TGameRecord& record) {
  const TFieldSize largest = SizeAtPosition(MaxSizePosition);
  return record.SizeX >= 1 && record.SizeX <= largest.Columns && record.SizeY >= 1 &&
         record.SizeY <= largest.Rows;
}

// Ten times the mean number of squares per shaped cell: one cell covering
// the largest field is as large as a shaped cell gets.
std::int32_t LargestCellSize() {
  const TFieldSize largest = SizeAtPosition(MaxSizePosition);
  return largest.Columns * largest.Rows * 10;
}
}  // namespace

TGameRecord WithPlayableSettings(TGameRecord record, std::int32_t leastCellSize) {
  if (!FitsTheGrid(record)) {
    record.SizeX = 0;
    record.SizeY = 0;
  }
  record.MinePopulation = std::clamp(record.MinePopulation, 0, AllPer500);
  record.Holes = std::clamp(record.Holes, 0, AllPer500);
  record.Linking = std::clamp(record.Linking, 0, AllLinked);
  record.CellSize = std::clamp(record.CellSize, leastCellSize, std::max(leastCellSize, LargestCellSize()));
  record.GameSpeed = std::clamp(record.GameSpeed, 0, GreatestGameSpeed);
  return record;
}
