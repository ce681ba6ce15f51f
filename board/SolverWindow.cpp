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
// A window that finds nothing says the same of the windows round the
// numbers in it, near enough: they are not searched again until something
// beside them changes.
bool TSolver::SearchWindow(std::int32_t seed) {
  if (!Constraining(seed) || FSearched[seed] || !BuildWindow(seed)) return false;
  std::uint32_t safe = 0, mine = 0;
  const bool solved = FSearch.Solve(SearchBudget, safe, mine);
  FEffort += std::int64_t(FSearch.StepsTaken()) * 8;
  if (!solved || (safe | mine) == 0) {
    for (const std::int32_t number : FWindowNumbers) FSearched[number] = 1;
    return false;
  }
  BeginReason(FWindowNumbers);
  for (std::size_t i = 0; i < FWindowAreas.size(); ++i) {
    if (safe >> i & 1u) Resolve(FWindowAreas[i], af_Safe);
    if (mine >> i & 1u) Resolve(FWindowAreas[i], af_Mine);
  }
  EndReason();
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
  FWindowNumbers.clear();
  FWindowQueue.assign(1, seed);
  const std::uint32_t stamp = NextStamp();
  FStamp[seed] = stamp;
  for (std::size_t head = 0; head < FWindowQueue.size() && FWindowNumbers.size() < std::size_t(WindowNumbers); ++head) {
    const std::int32_t number = FWindowQueue[head];
    FEffort += std::int64_t(FGraph.Neighbours(number).size());
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
    FWindowNumbers.push_back(number);
    // A full window takes no more areas: the numbers queued so far may
    // still fit, those further out would not be reached.
    if (FSearch.AreaCount() >= WindowAreas) continue;
    for (const std::int32_t u : FGraph.Neighbours(number)) {
      if (FFact[u] != af_Unknown) continue;
      FEffort += std::int64_t(FGraph.Neighbours(u).size());
      for (const std::int32_t other : FGraph.Neighbours(u))
        if (Constraining(other) && FStamp[other] != stamp) {
          FStamp[other] = stamp;
          FWindowQueue.push_back(other);
        }
    }
  }
  return FWindowNumbers.size() > 1;
}
