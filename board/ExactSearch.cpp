#include "board/ExactSearch.h"

#include <algorithm>

namespace {

// Steps between two looks at the clock: a look costs about as much as a
// few hundred steps.
constexpr int StepsPerClockLook = 256;

}  // namespace

void TExactSearch::Clear() {
  FNumberStart.assign(1, 0);
  FNumberAreas.clear();
  FGivenNeed.clear();
  FSeenMine.clear();
  FSeenSafe.clear();
  FIndexed = false;
}

int TExactSearch::AddArea() {
  FSeenMine.push_back(0);
  FSeenSafe.push_back(0);
  FIndexed = false;
  return int(FSeenMine.size()) - 1;
}

void TExactSearch::AddNumber(const std::vector<int>& areas, int need) {
  FNumberAreas.insert(FNumberAreas.end(), areas.begin(), areas.end());
  FNumberStart.push_back(int(FNumberAreas.size()));
  FGivenNeed.push_back(need);
  FIndexed = false;
}

// The numbers of each area (a counting sort of the numbers' area lists),
// and the state of an empty assignment.
void TExactSearch::IndexNumbersOfAreas() {
  const int areas = AreaCount();
  const std::size_t numbers = FGivenNeed.size();
  FAreaStart.assign(std::size_t(areas) + 1, 0);
  for (const int area : FNumberAreas) ++FAreaStart[area + 1];
  for (int a = 0; a < areas; ++a) FAreaStart[a + 1] += FAreaStart[a];
  FAreaNumbers.resize(FNumberAreas.size());
  std::vector<int> fill(FAreaStart.begin(), FAreaStart.end() - 1);
  for (std::size_t n = 0; n < numbers; ++n)
    for (int k = FNumberStart[n]; k < FNumberStart[n + 1]; ++k) FAreaNumbers[fill[FNumberAreas[k]]++] = int(n);
  FNeed = FGivenNeed;
  FFree.resize(numbers);
  for (std::size_t n = 0; n < numbers; ++n) FFree[n] = FNumberStart[n + 1] - FNumberStart[n];
  FValue.assign(std::size_t(areas), -1);
  FAreaStamp.assign(std::size_t(areas), 0);
  FNumberStamp.assign(numbers, 0);
  FStamp = 0;
  FTrail.clear();
  FIndexed = true;
}

TSearchAnswer TExactSearch::CanBe(int area, int value, TDeadline deadline, std::int64_t decisions) {
  if (area < 0 || area >= AreaCount()) return sa_No;
  if (!FIndexed) IndexNumbersOfAreas();
  FDeadline = deadline;
  FUntilClockLook = 0;
  FDecisionsLeft = decisions;
  OrderGroup(area);
  TSearchAnswer answer = sa_No;
  if (ForceAtRoot() && Assign(area, value)) answer = Complete();
  Undo(0);
  return answer;
}

// The group of the area, breadth first from it: its areas in FOrder, its
// numbers in FGroupNumbers.
void TExactSearch::OrderGroup(int area) {
  if (++FStamp == 0) {
    std::fill(FAreaStamp.begin(), FAreaStamp.end(), 0);
    std::fill(FNumberStamp.begin(), FNumberStamp.end(), 0);
    FStamp = 1;
  }
  FOrder.assign(1, area);
  FGroupNumbers.clear();
  FAreaStamp[area] = FStamp;
  for (std::size_t head = 0; head < FOrder.size(); ++head) {
    const int a = FOrder[head];
    for (int k = FAreaStart[a]; k < FAreaStart[a + 1]; ++k) {
      const int n = FAreaNumbers[k];
      if (FNumberStamp[n] == FStamp) continue;
      FNumberStamp[n] = FStamp;
      FGroupNumbers.push_back(n);
      for (int j = FNumberStart[n]; j < FNumberStart[n + 1]; ++j)
        if (FAreaStamp[FNumberAreas[j]] != FStamp) {
          FAreaStamp[FNumberAreas[j]] = FStamp;
          FOrder.push_back(FNumberAreas[j]);
        }
    }
  }
}

// What the numbers force before anything is tried holds in every way.
bool TExactSearch::ForceAtRoot() {
  for (const int n : FGroupNumbers) {
    if (FNeed[n] < 0 || FNeed[n] > FFree[n]) return false;
    if (FNeed[n] != 0 && FNeed[n] != FFree[n]) continue;
    for (int k = FNumberStart[n]; k < FNumberStart[n + 1]; ++k)
      if (FValue[FNumberAreas[k]] < 0 && !Assign(FNumberAreas[k], FNeed[n] == 0 ? 0 : 1)) return false;
  }
  return true;
}

// Decides the area and everything that follows from it. False when some
// number can no longer be met; Undo then takes back what was decided.
bool TExactSearch::Assign(int area, int value) {
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

void TExactSearch::Undo(std::size_t mark) {
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

// Completes the assignment under way to a way that meets every number of
// the group, if there is one: depth first in the group's order, trying for
// each area first the value no way has shown it yet, and going back to the
// latest decision with a value left to try when a number cannot be met.
TSearchAnswer TExactSearch::Complete() {
  FFrames.clear();
  std::size_t position = 0;
  for (;;) {
    while (position < FOrder.size() && FValue[FOrder[position]] >= 0) ++position;
    if (position == FOrder.size()) {
      NoteWay();
      return sa_Yes;
    }
    if (OutOfTime()) return sa_OutOfTime;
    const int area = FOrder[position];
    const int first = FSeenMine[area] ? 0 : 1;
    FFrames.push_back({position, FTrail.size(), 1 - first});
    bool decided = Assign(area, first);
    while (!decided) {
      if (FFrames.empty()) return sa_No;
      TFrame& frame = FFrames.back();
      Undo(frame.Trail);
      if (frame.Next < 0) {
        FFrames.pop_back();
        continue;
      }
      const int value = frame.Next;
      frame.Next = -1;
      position = frame.Position;
      decided = Assign(FOrder[position], value);
    }
  }
}

bool TExactSearch::OutOfTime() {
  if (--FDecisionsLeft < 0) return true;
  if (--FUntilClockLook > 0) return false;
  FUntilClockLook = StepsPerClockLook;
  return std::chrono::steady_clock::now() >= FDeadline;
}

void TExactSearch::NoteWay() {
  for (const int a : FOrder) {
    if (FValue[a] == 1) FSeenMine[a] = 1;
    if (FValue[a] == 0) FSeenSafe[a] = 1;
  }
}
