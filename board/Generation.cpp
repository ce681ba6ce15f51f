#include <algorithm>
#include <array>
#include <numeric>

#include "board/Arithmetic.h"
#include "board/Board.h"
#include "board/Random.h"
#include "patterns/Pattern.h"

namespace {

// The one colour shared by every area of a plain field without links: with
// one-cell areas that are never joined, colour tells the player nothing.
constexpr TColour PlainFieldColour = 0xAACCDD;

// A setting takes effect only above its slider's least value.
bool IsOn(std::int32_t value, std::int32_t threshold) { return value > threshold; }

// round(cells / (cellSize / 10)) seeds, at least one (so that growing can
// start) and at most one per cell. A size of zero or less asks for the
// smallest areas there are.
int SeedCount(int cells, std::int32_t cellSize) {
  if (cellSize <= 0) return cells;
  const std::int32_t n = RoundToInt32(cells / (cellSize * 0.1L));
  return std::clamp(n, 1, cells);
}

std::int32_t TimeAllowance(int cells, std::int32_t gameSpeed) {
  return RoundToInt32(cells * 0.2L * (25.0L - gameSpeed));
}

}  // namespace

void TBoard::Generate(TGameRecord record, std::int32_t& clock, std::int32_t& score) {
  FSizeX = std::clamp(record.SizeX, 1, MaxColumns);
  FSizeY = std::clamp(record.SizeY, 1, MaxRows);
  FFirstMove = true;
  const int cells = FSizeX * FSizeY;
  const bool large = cells > 300;
  Clear();

  bool shaped = false;
  if (record.UsesPattern()) {
    // A pattern that is no longer in the library leaves the record as it
    // was; the field then takes the random shapes below, as if the game
    // had been set to random shapes.
    TTess pattern;
    pattern.RegNo = std::int64_t(record.PatternID) + 1;  // tells "not found"
    FindPattern(record.PatternID, pattern);
    if (pattern.RegNo == record.PatternID) {
      ApplyPattern(pattern, large);
      shaped = true;
    }
  }
  if (!shaped && IsOn(record.CellSize, record.ShapeThreshold)) {
    const int n = SeedCount(cells, record.CellSize);
    SeedAreas(n, large);
    GrowAreas(n);
    shaped = true;
  }
  if (!shaped) MakeSingleAreas(large, IsOn(record.Linking, record.LinkThreshold));

  FillUnassigned();
  if (IsOn(record.Holes, record.HolesThreshold)) MakeHoles(record.Holes);
  if (IsOn(record.Linking, record.LinkThreshold)) LinkAreas(record.Linking);
  PublishCells();
  PlaceMines(record.MinePopulation);
  CountMines();

  clock = record.Timed() ? TimeAllowance(cells, record.GameSpeed) : 0;
  score = 100;
}

// The field's cells, row by row, that keep (asked once per cell, in that
// order) keeps. Which cells those are is as random as the field, so they
// are listed without a branch: each cell is written, and counted only when
// kept.
template <typename TKeep>
void TBoard::ListFieldCells(std::vector<std::int32_t>& list, TKeep keep) const {
  list.resize(std::size_t(FSizeX) * FSizeY + 1);  // one more: the last cell is written before it counts
  std::size_t kept = 0;
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      list[kept] = CellId(column, row);
      kept += keep(CellId(column, row));
    }
  list.resize(kept);
}

// A random colour of middle tone. On a small field it must also stay clear
// of the colours remembered from earlier areas, but only for the first
// fourteen draws, so the search always ends.
//
// The distance rule "round(sqrt(2 dr^2 + 2.5 dg^2 + db^2)) < 40" holds
// exactly when 2 dr^2 + 2.5 dg^2 + db^2 < 39.5^2; the sum is a multiple of
// 0.5, so doubled it is the integer test 4 dr^2 + 5 dg^2 + 2 db^2 <= 3120.
TColour TBoard::PickColour(bool large) {
  const int remembered = std::clamp(FColourList->Count, 0, TColourList::Capacity);
  auto nearRemembered = [&](int red, int green, int blue) {
    for (int i = 0; i < remembered; ++i) {
      const TColour c = FColourList->Items[i];
      const int dr = red - RedOf(c), dg = green - GreenOf(c), db = blue - BlueOf(c);
      if (4 * dr * dr + 5 * dg * dg + 2 * db * db <= 3120) return true;
    }
    return false;
  };
  for (int tries = 1;; ++tries) {
    const int red = RandInt(256);
    const int green = RandInt(256);
    const int blue = RandInt(256);
    const bool midtone = red + green > 200 && red + green + blue < 450;
    if (!midtone) continue;
    if (large || tries > 14 || !nearRemembered(red, green, blue)) {
      const TColour colour = RGBColour(red, green, blue);
      if (FColourList->Count + 1 < TColourList::Capacity) FColourList->Items[FColourList->Count++] = colour;
      return colour;
    }
  }
}

void TBoard::MakeSingleAreas(bool large, bool coloured) {
  int area = AddAreas(FSizeX * FSizeY);
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column, ++area) {
      AreaIndex[CellId(column, row)] = area;
      FAreas[area]->Colour = coloured ? PickColour(large) : PlainFieldColour;
    }
  // Every cell is its own area's label; the cells lie column by column.
  for (int column = 1; column <= FSizeX; ++column)
    for (int row = 1; row <= FSizeY; ++row) MutableCell(column, row).LabelCell = true;
}

// Each seed lands on a cell drawn uniformly among the cells still empty and
// is its area's label cell.
void TBoard::SeedAreas(int n, bool large) {
  std::vector<std::int32_t>& empty = ListScratch;
  ListFieldCells(empty, [this](int cell) { return AreaIndex[cell] == NoArea; });
  n = std::min<std::int64_t>(std::max(n, 0), std::int64_t(empty.size()));
  for (int i = 0; i < n; ++i) {
    const int pick = RandInt(int(empty.size()));
    const int id = empty[pick];
    empty[pick] = empty.back();
    empty.pop_back();
    MutableCell(ColumnOf(id), RowOf(id)).LabelCell = true;
    AreaIndex[id] = AddArea(PickColour(large));
  }
}

// Accretion: again and again a random empty cell that touches a grown area
// orthogonally joins one of those neighbours, each equally likely. The
// empty cells touching an area wait in a vector, so each step is one draw
// instead of drawing until a cell qualifies. A waiting cell keeps its place
// in that vector in the grid itself, coded below the border's value, so
// that one step touches the grid's memory only around the cell drawn. The
// grid's border means neighbours need no bounds checks.
//
// Each step waits on memory it cannot know in advance (the cell drawn, its
// neighbours), so the growth works on 16-bit copies of the grid and the
// vector: every number in them (areas, places, cell ids) stays below
// 2^15, and at half the size more of what a step reads is in the
// processor's nearest cache.
void TBoard::GrowAreas(int n) {
  const std::int64_t steps = std::int64_t(FSizeX) * FSizeY - n;
  if (steps <= 0) return;
  GrowthScratch.resize(std::size_t(GridCells) + std::size_t(FSizeX) * FSizeY + 1);
  std::int16_t* grid = GrowthScratch.data();
  // The field and the border round it: all the growth reads. Cells beyond
  // them, left by a larger field, stay untouched.
  for (int row = 0; row <= FSizeY + 1; ++row)
    std::copy_n(&AreaIndex[CellId(0, row)], FSizeX + 2, &grid[CellId(0, row)]);
  const int around[4] = {-1, 1, -Stride, Stride};
  constexpr int FirstWaiting = Border - 1;  // place 0; place p is FirstWaiting - p
  static_assert(GridCells - 1 <= INT16_MAX && FirstWaiting - (MaxColumns * MaxRows - 1) >= INT16_MIN);

  // At most every field cell waits at once; one more entry lets enter
  // write before it knows whether the cell counts. The tests below are
  // written without branches: which neighbours are empty or grown is as
  // random as the growth, so branches on them would mostly be mispredicted.
  std::int16_t* frontier = grid + GridCells;
  int waiting = 0;
  auto enter = [&](int cell, std::int16_t value) {
    const bool joins = value == NoArea;
    frontier[waiting] = std::int16_t(cell);
    grid[cell] = joins ? std::int16_t(FirstWaiting - waiting) : value;
    waiting += joins;
  };
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column)
      if (grid[CellId(column, row)] >= 0)
        for (const int offset : around) {
          const int neighbour = CellId(column, row) + offset;
          enter(neighbour, grid[neighbour]);
        }

  for (std::int64_t step = 0; step < steps && waiting > 0; ++step) {
    const int cell = frontier[RandInt(waiting)];
    std::int16_t neighbour[4], grown[4];
    int count = 0;
    for (int i = 0; i < 4; ++i) {
      neighbour[i] = grid[cell + around[i]];
      grown[count] = neighbour[i];
      count += neighbour[i] >= 0;
    }
    const std::int16_t joined = grown[RandInt(count)];
    // The last waiting cell takes the drawn cell's place (it may be the
    // drawn cell itself, which then joins its area just after). The empty
    // neighbours then wait behind it. Whether a neighbour is empty is known
    // from the values read above: the moved cell waits, before and after.
    // So the neighbours are entered before the moved cell's new place is
    // written, which the value read for it would otherwise overwrite.
    const int at = FirstWaiting - grid[cell];
    const int moved = frontier[--waiting];
    frontier[at] = std::int16_t(moved);
    for (int i = 0; i < 4; ++i) enter(cell + around[i], neighbour[i]);
    grid[moved] = std::int16_t(FirstWaiting - at);
    grid[cell] = joined;
  }
  // Cells still waiting (only when fewer seeds were laid than steps were
  // asked for) are empty again.
  for (int k = 0; k < waiting; ++k) grid[frontier[k]] = NoArea;
  for (int row = 1; row <= FSizeY; ++row)
    std::copy_n(&grid[CellId(1, row)], FSizeX, &AreaIndex[CellId(1, row)]);
}

// Cells still without an area are not part of the game: each becomes a
// one-cell hole.
void TBoard::FillUnassigned() {
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      std::int32_t& area = AreaIndex[CellId(column, row)];
      if (area != NoArea) continue;
      area = AddArea(clRed);
      FAreas[area]->Hole = true;
    }
}

// Holes: chance out of 500 per cell; any drawn cell turns its whole area.
// The draws only list the drawn cells; their areas turn afterwards.
void TBoard::MakeHoles(std::int32_t holes) {
  std::vector<std::int32_t>& drawn = ListScratch;
  ListFieldCells(drawn, [holes](int) { return RandInt(500) < holes; });
  for (const std::int32_t cell : drawn) FAreas[AreaIndex[cell]]->Hole = true;
}

// round(areas x population / 500) mines, each on an area drawn uniformly
// among those still free of mines and holes. When there are fewer such
// areas than mines asked for, every one of them gets a mine.
void TBoard::PlaceMines(std::int32_t minePopulation) {
  const auto count = std::int64_t(FAreas.size());
  std::vector<std::int32_t>& free = ListScratch;
  free.resize(std::size_t(count) + 1);  // one more: each area is written before it counts
  std::int32_t freeCount = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    free[freeCount] = i;
    freeCount += !FAreas[i]->Hole & !FAreas[i]->Mine;
  }
  free.resize(std::size_t(freeCount));
  const std::int32_t asked = RoundToInt32(count * (long double)minePopulation * 0.002L);
  const int mines = int(std::clamp<std::int64_t>(asked, 0, std::int64_t(free.size())));
  for (int i = 0; i < mines; ++i) {
    const int pick = i + RandInt(int(free.size()) - i);
    std::swap(free[i], free[pick]);
    FAreas[free[i]]->Mine = true;
  }
}

// An area's number: the distinct mine areas among the eight neighbours of
// any of its cells (itself included when it is a mine of touching cells).
// Counted from the mines' side: all the cells of one mine are visited
// together, so a stamp per area saying "this mine counted you already" is
// all it takes to count each pair once.
//
// A field whose every area is one cell (a plain field without links) needs
// no distinct-area bookkeeping: an area's number is the mines among its
// cell's eight neighbours, a sum without a single branch. The sums are
// taken a row at a time, which the compiler does many cells at once, and
// then handed to the cells' areas.
void TBoard::CountMines() {
  const std::int32_t count = std::int32_t(FAreas.size());
  const std::int32_t* start = AreaCellStart.data();
  bool singleCells = std::int64_t(count) == std::int64_t(FSizeX) * FSizeY &&
                     AreaCellStart.size() == std::size_t(count) + 1;
  if (singleCells) {
    std::int32_t otherSizes = 0;  // non-zero when some area has another number of cells than one
    for (std::int32_t i = 0; i < count; ++i) otherSizes |= (start[i + 1] - start[i]) ^ 1;
    singleCells = otherSizes == 0;
  }
  if (singleCells) {
    std::uint8_t* mine = ClearedCellFlags();
    for (std::int32_t i = 0; i < count; ++i) mine[AreaCells[i]] = FAreas[i]->Mine;
    for (int row = 1; row <= FSizeY; ++row) {
      const std::uint8_t* above = mine + CellId(0, row - 1);
      const std::uint8_t* here = mine + CellId(0, row);
      const std::uint8_t* below = mine + CellId(0, row + 1);
      std::array<std::uint8_t, Stride> sums;  // at most 8 each
      for (int column = 1; column <= FSizeX; ++column)
        sums[column] = std::uint8_t(above[column - 1] + above[column] + above[column + 1] + here[column - 1] +
                                    here[column + 1] + below[column - 1] + below[column] + below[column + 1]);
      const std::int32_t* areaOf = &AreaIndex[CellId(0, row)];
      for (int column = 1; column <= FSizeX; ++column) FAreas[areaOf[column]]->MineCount = sums[column];
    }
    return;
  }
  std::vector<std::int32_t>& mineCount = AreaScratch;
  std::vector<std::int32_t>& countedBy = ListScratch;
  mineCount.assign(std::size_t(count), 0);
  countedBy.assign(std::size_t(count), -1);
  for (std::int32_t m = 0; m < count; ++m) {
    if (!FAreas[m]->Mine) continue;
    ForEachNeighbourCell(m, [&](int cell) {
      const std::int32_t touched = AreaIndex[cell];
      if (touched < 0 || countedBy[touched] == m) return;
      countedBy[touched] = m;
      ++mineCount[touched];
    });
  }
  for (std::int32_t i = 0; i < count; ++i) FAreas[i]->MineCount = mineCount[i];
}
