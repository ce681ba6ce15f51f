#include "board/WindowSearch.h"

void TWindowSearch::Clear() {
  FAreaCount = 0;
  FNeed.clear();
  FFree.clear();
  for (auto& numbers : FNumbersOf) numbers.clear();
}

int TWindowSearch::AddArea() {
  if (FNumbersOf.size() <= std::size_t(FAreaCount)) FNumbersOf.emplace_back();
  return FAreaCount++;
}

void TWindowSearch::AddNumber(const std::vector<int>& areas, int need) {
  const int number = int(FNeed.size());
  FNeed.push_back(need);
  FFree.push_back(int(areas.size()));
  for (const int area : areas) FNumbersOf[area].push_back(number);
}

bool TWindowSearch::Solve(int nodeBudget, std::uint32_t& alwaysSafe, std::uint32_t& alwaysMine) {
  alwaysSafe = alwaysMine = 0;
  if (FAreaCount > MaxAreas) return false;
  for (std::size_t n = 0; n < FNeed.size(); ++n)
    if (FNeed[n] < 0 || FNeed[n] > FFree[n]) return false;
  FLaid = FSeenMine = FSeenSafe = 0;
  FFoundOne = false;
  FNodesLeft = nodeBudget;
  if (!Search(0) || !FFoundOne) return false;
  const std::uint32_t all = FAreaCount == 32 ? ~0u : (1u << FAreaCount) - 1;
  alwaysSafe = all & ~FSeenMine;
  alwaysMine = all & ~FSeenSafe;
  return true;
}

// Depth-first over the areas in the order they were added (the window adds
// them near to far, so numbers close early and cut the search). Returns
// false when the budget ran out, or when every area has been seen both ways
// and nothing can be certain any more.
bool TWindowSearch::Search(int area) {
  if (--FNodesLeft < 0) return false;
  if (area == FAreaCount) {
    FFoundOne = true;
    FSeenMine |= FLaid;
    FSeenSafe |= ~FLaid;
    const std::uint32_t all = FAreaCount == 32 ? ~0u : (1u << FAreaCount) - 1;
    return ((FSeenMine & FSeenSafe) & all) != all;
  }
  for (int value = 0; value <= 1; ++value) {
    if (!Fits(area, value)) continue;
    Take(area, value, 1);
    if (value) FLaid |= 1u << area;
    const bool goOn = Search(area + 1);
    FLaid &= ~(1u << area);
    Take(area, value, -1);
    if (!goOn) return false;
  }
  return true;
}

// Every number this area counts for can still be met once it takes value.
bool TWindowSearch::Fits(int area, int value) {
  for (const int n : FNumbersOf[area]) {
    const int need = FNeed[n] - value;
    if (need < 0 || need > FFree[n] - 1) return false;
  }
  return true;
}

void TWindowSearch::Take(int area, int value, int sign) {
  for (const int n : FNumbersOf[area]) {
    FNeed[n] -= sign * value;
    FFree[n] -= sign;
  }
}
