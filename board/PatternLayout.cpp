#include <algorithm>

#include "board/Board.h"
#include "patterns/Pattern.h"

namespace {

bool IsSingleCode(std::uint8_t code) {
  return code == tc_Single || code == tc_SingleHash || code == tc_Hole;
}
bool IsGroupCode(std::uint8_t code) { return code >= 1 && code <= 36; }

// How one copy of the tile numbers its areas: groups first (group g is
// number g - 1), then one number per one-cell code in visiting order.
// The counts are taken from the tile itself, so a damaged record (group
// codes above its GroupCount, short rows whose missing holes it did not
// count, a count that wrapped at 256) can never name an area of another
// copy or one past the end.
struct TTileNumbering {
  int Width = 0;
  int Height = 0;
  int Groups = 0;
  std::int64_t PerTile = 0;
};

TTileNumbering NumberTile(const TTess& pattern) {
  TTileNumbering tile;
  tile.Width = std::clamp(pattern.Width, 0, MaxTileColumns);
  tile.Height = std::clamp(pattern.Height, 0, MaxTileRows);
  int highestGroup = 0, singles = 0;
  for (int k = 1; k <= tile.Width; ++k)
    for (int l = 1; l <= tile.Height; ++l) {
      const std::uint8_t code = pattern.Code(k, l);
      if (IsGroupCode(code)) highestGroup = std::max<int>(highestGroup, code);
      if (IsSingleCode(code)) ++singles;
    }
  tile.Groups = std::max<int>(pattern.GroupCount, highestGroup);
  tile.PerTile = std::max<std::int64_t>(pattern.AreasPerTile, tile.Groups + singles);
  return tile;
}

// A pattern area while the copies are laid: its number among all the areas
// the copies make, how often a cell was given to it, and how many cells it
// still holds. Only areas that receive a cell ever get a slot.
struct TSlot {
  std::int64_t Number = 0;
  std::int32_t CellCount = 0;
  std::int32_t Live = 0;
  bool Hole = false;
};

}  // namespace

// Lays copies of the tile from one step before the field to one step past
// it, the later copy winning a cell two copies give. The copies make
// PerTile areas each, numbered in copy order; the areas left without cells
// are dropped, so only areas that receive cells are ever created, and the
// list keeps the numbering's order.
//
// An area whose every cell a later copy took over is dropped as well: it
// could not be seen or played, and a mine on it would make the field
// impossible to clear. (Tiles whose copies do not overlap never have one.)
void TBoard::ApplyPattern(const TTess& pattern, bool large) {
  if (pattern.StepX <= 0 || pattern.StepY <= 0) return;
  const TTileNumbering tile = NumberTile(pattern);
  const std::int64_t lastTx = SizeX / pattern.StepX + 1;
  const std::int64_t lastTy = SizeY / pattern.StepY + 1;
  const std::int64_t created = tile.PerTile * (lastTx + 2) * (lastTy + 2);

  // Every area made takes a colour in turn, and the first ones fill the
  // colour memory. Once the memory is full a pick no longer depends on the
  // ones before, so only the areas that stay need to draw theirs.
  std::vector<TColour> earlyColours;
  while (std::int64_t(earlyColours.size()) < created && ColourList->Count + 1 < TColourList::Capacity)
    earlyColours.push_back(PickColour(large));

  std::vector<TSlot> slots;
  std::vector<std::int32_t> freeSlots;
  std::vector<std::int32_t> slotOfNumber(std::size_t(tile.PerTile), -1);  // within one copy
  std::vector<std::int32_t> touched;
  auto slotFor = [&](std::int64_t base, int offset) {
    std::int32_t& slot = slotOfNumber[offset];
    if (slot >= 0) return slot;
    if (freeSlots.empty()) {
      slot = std::int32_t(slots.size());
      slots.emplace_back();
    } else {
      slot = freeSlots.back();
      freeSlots.pop_back();
    }
    slots[slot] = TSlot{base + offset, 0, 0, false};
    touched.push_back(offset);
    return slot;
  };

  // While the copies are laid, AreaIndex holds slot numbers.
  std::int64_t base = 0;
  for (std::int64_t tx = -1; tx <= lastTx; ++tx)
    for (std::int64_t ty = -1; ty <= lastTy; ++ty, base += tile.PerTile) {
      const std::int64_t left = tx * pattern.StepX, top = ty * pattern.StepY;
      const std::int64_t kFrom = std::max<std::int64_t>(1, 1 - left);
      const std::int64_t kTo = std::min<std::int64_t>(tile.Width, SizeX - left);
      const std::int64_t lFrom = std::max<std::int64_t>(1, 1 - top);
      const std::int64_t lTo = std::min<std::int64_t>(tile.Height, SizeY - top);
      int singles = 0;
      for (std::int64_t k = kFrom; k <= kTo; ++k)
        for (std::int64_t l = lFrom; l <= lTo; ++l) {
          const std::uint8_t code = pattern.Code(int(k), int(l));
          int offset;
          if (IsSingleCode(code)) offset = tile.Groups + singles++;
          else if (IsGroupCode(code)) offset = code - 1;
          else continue;  // transparent: left to another copy
          const std::int32_t slot = slotFor(base, offset);
          std::int32_t& cellSlot = AreaIndex[CellId(int(left + k), int(top + l))];
          if (cellSlot >= 0 && --slots[cellSlot].Live == 0) freeSlots.push_back(cellSlot);
          cellSlot = slot;
          ++slots[slot].CellCount;
          ++slots[slot].Live;
          if (code == tc_Hole) slots[slot].Hole = true;
        }
      for (const std::int32_t offset : touched) slotOfNumber[offset] = -1;
      touched.clear();
    }

  // The areas that hold cells, in the order of their numbers.
  std::vector<std::int32_t> kept;
  for (std::int32_t slot = 0; slot < std::int32_t(slots.size()); ++slot)
    if (slots[slot].Live > 0) kept.push_back(slot);
  std::sort(kept.begin(), kept.end(),
            [&](std::int32_t a, std::int32_t b) { return slots[a].Number < slots[b].Number; });
  std::vector<std::int32_t> areaOfSlot(slots.size(), -1);
  for (const std::int32_t slot : kept) {
    const TSlot& s = slots[slot];
    const bool early = s.Number < std::int64_t(earlyColours.size());
    const int area = AddArea(early ? earlyColours[std::size_t(s.Number)] : PickColour(large));
    Areas[area]->CellCount = s.CellCount;
    Areas[area]->Hole = s.Hole;
    areaOfSlot[slot] = area;
  }

  // Each area's label cell is the first of its cells in reading order.
  std::vector<char> labelled(Areas.size(), 0);
  for (int row = 1; row <= SizeY; ++row)
    for (int column = 1; column <= SizeX; ++column) {
      std::int32_t& index = AreaIndex[CellId(column, row)];
      if (index < 0) continue;
      index = areaOfSlot[index];
      if (!labelled[index]) {
        labelled[index] = 1;
        Cell(column, row).LabelCell = true;
      }
    }
}
