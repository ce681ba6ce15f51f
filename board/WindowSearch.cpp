#include "board/WindowSearch.h"

bool TWindowSearch::Solve(int nodeBudget, std::uint32_t& alwaysSafe, std::uint32_t& alwaysMine) {
  alwaysSafe = alwaysMine = 0;
  FBudget = FNodesLeft = 0;
  const int areas = AreaCount();
  if (areas > MaxAreas) return false;
  FConstraints.Index();
  FSeenMine = FSeenSafe = 0;
  FBudget = FNodesLeft = nodeBudget;
  if (!FConstraints.ForceAtRoot()) return false;
  for (int area = 0; area < areas; ++area)
    for (int value = 0; value <= 1; ++value) {
      const std::uint32_t bit = 1u << area;
      if ((value ? FSeenMine : FSeenSafe) & bit) continue;
      const std::size_t mark = FConstraints.Mark();
      if (FConstraints.Assign(area, value)) Complete();
      FConstraints.Undo(mark);
      if (FNodesLeft < 0) return false;
    }
  const std::uint32_t all = AllAreas();
  if ((FSeenMine | FSeenSafe) != all) return false;  // no way at all
  alwaysSafe = all & ~FSeenMine;
  alwaysMine = all & ~FSeenSafe;
  return true;
}

// Completes the assignment under way to a way that meets every number, if
// there is one, trying for each area first the value no way has shown yet.
// The depth is at most the number of areas.
bool TWindowSearch::Complete() {
  if (--FNodesLeft < 0) return false;
  const int areas = AreaCount();
  int area = 0;
  while (area < areas && FConstraints.Decided(area)) ++area;
  if (area == areas) {
    NoteWay();
    return true;
  }
  const int first = (FSeenMine >> area & 1u) ? 0 : 1;
  for (const int value : {first, 1 - first}) {
    const std::size_t mark = FConstraints.Mark();
    if (FConstraints.Assign(area, value) && Complete()) return true;
    FConstraints.Undo(mark);
    if (FNodesLeft < 0) return false;
  }
  return false;
}

void TWindowSearch::NoteWay() {
  std::uint32_t mines = 0;
  for (int a = 0; a < AreaCount(); ++a) mines |= std::uint32_t(FConstraints.Value(a) == 1) << a;
  FSeenMine |= mines;
  FSeenSafe |= AllAreas() & ~mines;
}

std::uint32_t TWindowSearch::AllAreas() const {
  return AreaCount() == 32 ? ~0u : (1u << AreaCount()) - 1;
}
