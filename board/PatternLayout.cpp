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

// The copies of the tile that cover the field: from one step before it to
// one step past it in each direction.
struct TCopies {
  std::int64_t LastTx = 0;
  std::int64_t LastTy = 0;
  std::int64_t Count() const { return (LastTx + 2) * (LastTy + 2); }
};

TCopies CopiesOver(const TTess& pattern, std::int32_t sizeX, std::int32_t sizeY) {
  return {sizeX / pattern.StepX + 1, sizeY / pattern.StepY + 1};
}

}  // namespace

// A pattern area while the copies are laid: its number among all the areas
// the copies make, how often a cell was given to it, and how many cells it
// still holds. Only areas that receive a cell ever get a slot.
struct TPatternSlot {
  std::int64_t Number = 0;
  std::int32_t CellCount = 0;
  std::int32_t Live = 0;
  bool Hole = false;
};

namespace {

// The slots of the areas being laid. Within one copy each area number gets
// one slot, on its first cell; a slot whose every cell a later copy took
// over is free for the next area.
class TSlotTable {
 public:
  explicit TSlotTable(std::int64_t perTile) : SlotOfNumber(std::size_t(perTile), -1) {}

  // Gives the cell whose slot is cellSlot (-1: none yet) to area offset of
  // the copy whose first area number is base.
  void GiveCell(std::int32_t& cellSlot, std::int64_t base, int offset, bool hole) {
    const std::int32_t slot = SlotFor(base, offset);
    if (cellSlot >= 0 && --Slots[cellSlot].Live == 0) FreeSlots.push_back(cellSlot);
    cellSlot = slot;
    ++Slots[slot].CellCount;
    ++Slots[slot].Live;
    if (hole) Slots[slot].Hole = true;
  }
  // The copy is laid: its area numbers are done with.
  void EndCopy() {
    for (const std::int32_t offset : Touched) SlotOfNumber[offset] = -1;
    Touched.clear();
  }
  std::vector<TPatternSlot> Release() { return std::move(Slots); }

 private:
  std::int32_t SlotFor(std::int64_t base, int offset) {
    std::int32_t& slot = SlotOfNumber[offset];
    if (slot >= 0) return slot;
    if (FreeSlots.empty()) {
      slot = std::int32_t(Slots.size());
      Slots.emplace_back();
    } else {
      slot = FreeSlots.back();
      FreeSlots.pop_back();
    }
    Slots[slot] = TPatternSlot{base + offset, 0, 0, false};
    Touched.push_back(offset);
    return slot;
  }

  std::vector<TPatternSlot> Slots;
  std::vector<std::int32_t> FreeSlots;
  std::vector<std::int32_t> SlotOfNumber;  // within one copy
  std::vector<std::int32_t> Touched;
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
  const TCopies copies = CopiesOver(pattern, FSizeX, FSizeY);
  const std::vector<TColour> earlyColours = PickEarlyColours(tile.PerTile * copies.Count(), large);
  const std::vector<TPatternSlot> slots = LayTileCopies(pattern, tile.Width, tile.Height, tile.Groups,
                                                        tile.PerTile, copies.LastTx, copies.LastTy);
  const std::vector<std::int32_t> areaOfSlot = CreateAreasOfSlots(slots, earlyColours, large);
  NumberCellsByArea(areaOfSlot);
}

// Every area made takes a colour in turn, and the first ones fill the colour
// memory. Once the memory is full a pick no longer depends on the ones
// before, so only the areas that stay need to draw theirs.
std::vector<TColour> TBoard::PickEarlyColours(std::int64_t created, bool large) {
  std::vector<TColour> colours;
  while (std::int64_t(colours.size()) < created && FColourList->Count + 1 < TColourList::Capacity)
    colours.push_back(PickColour(large));
  return colours;
}

// While the copies are laid, AreaIndex holds slot numbers.
std::vector<TPatternSlot> TBoard::LayTileCopies(const TTess& pattern, int width, int height, int groups,
                                                std::int64_t perTile, std::int64_t lastTx,
                                                std::int64_t lastTy) {
  TSlotTable table(perTile);
  std::int64_t base = 0;
  for (std::int64_t tx = -1; tx <= lastTx; ++tx)
    for (std::int64_t ty = -1; ty <= lastTy; ++ty, base += perTile) {
      const std::int64_t left = tx * pattern.StepX, top = ty * pattern.StepY;
      const std::int64_t kFrom = std::max<std::int64_t>(1, 1 - left);
      const std::int64_t kTo = std::min<std::int64_t>(width, FSizeX - left);
      const std::int64_t lFrom = std::max<std::int64_t>(1, 1 - top);
      const std::int64_t lTo = std::min<std::int64_t>(height, FSizeY - top);
      int singles = 0;
      for (std::int64_t k = kFrom; k <= kTo; ++k)
        for (std::int64_t l = lFrom; l <= lTo; ++l) {
          const std::uint8_t code = pattern.Code(int(k), int(l));
          int offset;
          if (IsSingleCode(code)) offset = groups + singles++;
          else if (IsGroupCode(code)) offset = code - 1;
          else continue;  // transparent: left to another copy
          table.GiveCell(AreaIndex[CellId(int(left + k), int(top + l))], base, offset, code == tc_Hole);
        }
      table.EndCopy();
    }
  return table.Release();
}

// The areas that hold cells, in the order of their numbers; gives for each
// slot the area made of it (-1: none).
std::vector<std::int32_t> TBoard::CreateAreasOfSlots(const std::vector<TPatternSlot>& slots,
                                                     const std::vector<TColour>& earlyColours,
                                                     bool large) {
  std::vector<std::int32_t> kept;
  for (std::int32_t slot = 0; slot < std::int32_t(slots.size()); ++slot)
    if (slots[slot].Live > 0) kept.push_back(slot);
  std::sort(kept.begin(), kept.end(),
            [&](std::int32_t a, std::int32_t b) { return slots[a].Number < slots[b].Number; });
  std::vector<std::int32_t> areaOfSlot(slots.size(), -1);
  for (const std::int32_t slot : kept) {
    const TPatternSlot& s = slots[slot];
    const bool early = s.Number < std::int64_t(earlyColours.size());
    const int area = AddArea(early ? earlyColours[std::size_t(s.Number)] : PickColour(large));
    FAreas[area]->CellCount = s.CellCount;
    FAreas[area]->Hole = s.Hole;
    areaOfSlot[slot] = area;
  }
  return areaOfSlot;
}

// AreaIndex goes from slots to areas; each area's label cell is the first
// of its cells in reading order.
void TBoard::NumberCellsByArea(const std::vector<std::int32_t>& areaOfSlot) {
  std::vector<char> labelled(FAreas.size(), 0);
  for (int row = 1; row <= FSizeY; ++row)
    for (int column = 1; column <= FSizeX; ++column) {
      std::int32_t& index = AreaIndex[CellId(column, row)];
      if (index < 0) continue;
      index = areaOfSlot[index];
      if (!labelled[index]) {
        labelled[index] = 1;
        MutableCell(column, row).LabelCell = true;
      }
    }
}
