#include "board/Solver.h"

namespace {

// A window holds at most this many covered areas and numbers. Wider windows
// find a little more at a steep price: the search grows with the ways of
// laying mines in the window, and every number round a change is searched.
constexpr int WindowAreas = 22;
constexpr int WindowNumbers = 40;
// Steps one search may take before it gives up (finding nothing).
constexpr int SearchBudget = 6000;

}  // namespace

// Searches the window round one number for the areas every way agrees on.
bool TSolver::SearchWindow(std::int32_t seed) {
  if (!Constraining(seed) || !BuildWindow(seed)) return false;
  std::uint32_t safe = 0, mine = 0;
  if (!FSearch.Solve(SearchBudget, safe, mine) || (safe | mine) == 0) return false;
  for (std::size_t i = 0; i < FWindowAreas.size(); ++i) {
    if (safe >> i & 1u) Resolve(FWindowAreas[i], af_Safe);
    if (mine >> i & 1u) Resolve(FWindowAreas[i], af_Mine);
  }
  return true;
}

// The numbers nearest the seed, breadth first, each taken whole (all its
// unknown areas in the window) while the window has room for its areas.
// Unknown areas and revealed numbers are different areas, so one stamp
// marks both: an unknown area met carries its index in the search, a
// number met is queued.
bool TSolver::BuildWindow(std::int32_t seed) {
  FSearch.Clear();
  FWindowAreas.clear();
  FWindowQueue.assign(1, seed);
  const std::uint32_t stamp = NextStamp();
  FStamp[seed] = stamp;
  int numbers = 0;
  for (std::size_t head = 0; head < FWindowQueue.size() && numbers < WindowNumbers; ++head) {
    const std::int32_t number = FWindowQueue[head];
    int fresh = 0;
    for (const std::int32_t u : FGraph.Neighbours(number))
      fresh += FFact[u] == af_Unknown && FStamp[u] != stamp;
    if (FSearch.AreaCount() + fresh > WindowAreas) {
      if (number == seed) return false;
      continue;
    }
    FWindowNumber.clear();
    for (const std::int32_t u : FGraph.Neighbours(number)) {
      if (FFact[u] != af_Unknown) continue;
      if (FStamp[u] != stamp) {
        FStamp[u] = stamp;
        FValue[u] = FSearch.AddArea();
        FWindowAreas.push_back(u);
      }
      FWindowNumber.push_back(FValue[u]);
    }
    FSearch.AddNumber(FWindowNumber, FNeed[number]);
    ++numbers;
    for (const std::int32_t u : FGraph.Neighbours(number)) {
      if (FFact[u] != af_Unknown) continue;
      for (const std::int32_t other : FGraph.Neighbours(u))
        if (Constraining(other) && FStamp[other] != stamp) {
          FStamp[other] = stamp;
          FWindowQueue.push_back(other);
        }
    }
  }
  return numbers > 1;
}
