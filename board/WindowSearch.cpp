#include "board/WindowSearch.h"

void TWindowSearch::Clear() {
  FAreaCount = 0;
  FNumberStart.assign(1, 0);
  FNumberAreas.clear();
  FGivenNeed.clear();
}

int TWindowSearch::AddArea() { return FAreaCount++; }

void TWindowSearch::AddNumber(const std::vector<int>& areas, int need) {
  FNumberAreas.insert(FNumberAreas.end(), areas.begin(), areas.end());
  FNumberStart.push_back(int(FNumberAreas.size()));
  FGivenNeed.push_back(need);
}

bool TWindowSearch::Solve(int nodeBudget, std::uint32_t& alwaysSafe, std::uint32_t& alwaysMine) {
  alwaysSafe = alwaysMine = 0;
  FBudget = FNodesLeft = 0;
  if (FAreaCount > MaxAreas) return false;
  IndexNumbersOfAreas();
  FNeed = FGivenNeed;
  FFree.resize(FGivenNeed.size());
  for (std::size_t n = 0; n < FGivenNeed.size(); ++n) FFree[n] = FNumberStart[n + 1] - FNumberStart[n];
  FValue.fill(-1);
  FTrail.clear();
  FSeenMine = FSeenSafe = 0;
  FBudget = FNodesLeft = nodeBudget;
  if (!ForceAtRoot()) return false;
  for (int area = 0; area < FAreaCount; ++area)
    for (int value = 0; value <= 1; ++value) {
      const std::uint32_t bit = 1u << area;
      if ((value ? FSeenMine : FSeenSafe) & bit) continue;
      const std::size_t mark = FTrail.size();
      if (Assign(area, value)) Complete();
      Undo(mark);
      if (FNodesLeft < 0) return false;
    }
  const std::uint32_t all = FAreaCount == 32 ? ~0u : (1u << FAreaCount) - 1;
  if ((FSeenMine | FSeenSafe) != all) return false;  // no way at all
  alwaysSafe = all & ~FSeenMine;
  alwaysMine = all & ~FSeenSafe;
  return true;
}

// The numbers of each area (a counting sort of the numbers' area lists).
void TWindowSearch::IndexNumbersOfAreas() {
  FAreaStart.assign(std::size_t(FAreaCount) + 1, 0);
  for (const int area : FNumberAreas) ++FAreaStart[area + 1];
  for (int a = 0; a < FAreaCount; ++a) FAreaStart[a + 1] += FAreaStart[a];
  FAreaNumbers.resize(FNumberAreas.size());
  std::vector<int> fill(FAreaStart.begin(), FAreaStart.end() - 1);
  for (std::size_t n = 0; n + 1 < FNumberStart.size(); ++n)
    for (int k = FNumberStart[n]; k < FNumberStart[n + 1]; ++k) FAreaNumbers[fill[FNumberAreas[k]]++] = int(n);
}

// What the numbers force before anything is tried holds in every way.
bool TWindowSearch::ForceAtRoot() {
  for (std::size_t n = 0; n < FNeed.size(); ++n) {
    if (FNeed[n] < 0 || FNeed[n] > FFree[n]) return false;
    if (FNeed[n] != 0 && FNeed[n] != FFree[n]) continue;
    for (int k = FNumberStart[n]; k < FNumberStart[n + 1]; ++k)
      if (FValue[FNumberAreas[k]] < 0 && !Assign(FNumberAreas[k], FNeed[n] == 0 ? 0 : 1)) return false;
  }
  return true;
}

// Decides the area and everything that follows from it. False when some
// number can no longer be met; Undo then takes back what was decided.
bool TWindowSearch::Assign(int area, int value) {
  FPending.assign(1, {area, value});
  while (!FPending.empty()) {
    const auto [a, v] = FPending.back();
    FPending.pop_back();
    if (FValue[a] >= 0) {
      if (FValue[a] != v) return false;
      continue;
    }
    FValue[a] = std::int8_t(v);
    FTrail.push_back(a);
    for (int k = FAreaStart[a]; k < FAreaStart[a + 1]; ++k) {
      FNeed[FAreaNumbers[k]] -= v;
      --FFree[FAreaNumbers[k]];
    }
    for (int k = FAreaStart[a]; k < FAreaStart[a + 1]; ++k) {
      const int n = FAreaNumbers[k];
      if (FNeed[n] < 0 || FNeed[n] > FFree[n]) return false;
      if (FFree[n] == 0 || (FNeed[n] != 0 && FNeed[n] != FFree[n])) continue;
      const int forced = FNeed[n] == 0 ? 0 : 1;
      for (int j = FNumberStart[n]; j < FNumberStart[n + 1]; ++j)
        if (FValue[FNumberAreas[j]] < 0) FPending.emplace_back(FNumberAreas[j], forced);
    }
  }
  return true;
}

void TWindowSearch::Undo(std::size_t mark) {
  while (FTrail.size() > mark) {
    const int a = FTrail.back();
    FTrail.pop_back();
    const int v = FValue[a];
    for (int k = FAreaStart[a]; k < FAreaStart[a + 1]; ++k) {
      FNeed[FAreaNumbers[k]] += v;
      ++FFree[FAreaNumbers[k]];
    }
    FValue[a] = -1;
  }
}

// Completes the assignment under way to a way that meets every number, if
// there is one, trying for each area first the value no way has shown yet.
// The depth is at most the number of areas.
bool TWindowSearch::Complete() {
  if (--FNodesLeft < 0) return false;
  int area = 0;
  while (area < FAreaCount && FValue[area] >= 0) ++area;
  if (area == FAreaCount) {
    NoteWay();
    return true;
  }
  const int first = (FSeenMine >> area & 1u) ? 0 : 1;
  for (const int value : {first, 1 - first}) {
    const std::size_t mark = FTrail.size();
    if (Assign(area, value) && Complete()) return true;
    Undo(mark);
    if (FNodesLeft < 0) return false;
  }
  return false;
}

void TWindowSearch::NoteWay() {
  std::uint32_t mines = 0;
  for (int a = 0; a < FAreaCount; ++a) mines |= std::uint32_t(FValue[a] == 1) << a;
  const std::uint32_t all = FAreaCount == 32 ? ~0u : (1u << FAreaCount) - 1;
  FSeenMine |= mines;
  FSeenSafe |= all & ~mines;
}
