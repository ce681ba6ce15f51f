#include "board/ExactSearch.h"

#include <algorithm>

namespace {

// Steps between two looks at the clock: a look costs about as much as a
// few hundred steps.
constexpr int StepsPerClockLook = 256;

}  // namespace

void TExactSearch::Clear() {
  FConstraints.Clear();
  FSeenMine.clear();
  FSeenSafe.clear();
  FIndexed = false;
}

int TExactSearch::AddArea() {
  FSeenMine.push_back(0);
  FSeenSafe.push_back(0);
  FIndexed = false;
  return FConstraints.AddArea();
}

void TExactSearch::AddNumber(const std::vector<int>& areas, int need) {
  FConstraints.AddNumber(areas, need);
  FIndexed = false;
}

// The numbers of each area, an empty assignment, and no group met yet.
// Every question leaves the assignment empty again, so this is done once
// for all the questions asked of the same areas and numbers.
void TExactSearch::Index() {
  FConstraints.Index();
  FAreaStamp.assign(std::size_t(AreaCount()), 0);
  FNumberStamp.assign(std::size_t(FConstraints.NumberCount()), 0);
  FStamp = 0;
  FIndexed = true;
}

TSearchAnswer TExactSearch::CanBe(int area, int value, TDeadline deadline, std::int64_t decisions) {
  if (area < 0 || area >= AreaCount()) return sa_No;
  if (!FIndexed) Index();
  FDeadline = deadline;
  FUntilClockLook = 0;
  FDecisionsLeft = decisions;
  OrderGroup(area);
  TSearchAnswer answer = sa_No;
  if (FConstraints.ForceAtRoot(FGroupNumbers) && FConstraints.Assign(area, value)) answer = Complete();
  FConstraints.Undo(0);
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
  for (std::size_t head = 0; head < FOrder.size(); ++head)
    for (const int n : FConstraints.NumbersOf(FOrder[head])) {
      if (FNumberStamp[n] == FStamp) continue;
      FNumberStamp[n] = FStamp;
      FGroupNumbers.push_back(n);
      for (const int a : FConstraints.AreasOf(n))
        if (FAreaStamp[a] != FStamp) {
          FAreaStamp[a] = FStamp;
          FOrder.push_back(a);
        }
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
    while (position < FOrder.size() && FConstraints.Decided(FOrder[position])) ++position;
    if (position == FOrder.size()) {
      NoteWay();
      return sa_Yes;
    }
    if (OutOfTime()) return sa_OutOfTime;
    const int area = FOrder[position];
    const int first = FSeenMine[area] ? 0 : 1;
    FFrames.push_back({position, FConstraints.Mark(), 1 - first});
    bool decided = FConstraints.Assign(area, first);
    while (!decided) {
      if (FFrames.empty()) return sa_No;
      TFrame& frame = FFrames.back();
      FConstraints.Undo(frame.Mark);
      if (frame.Next < 0) {
        FFrames.pop_back();
        continue;
      }
      const int value = frame.Next;
      frame.Next = -1;
      position = frame.Position;
      decided = FConstraints.Assign(FOrder[position], value);
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
    if (FConstraints.Value(a) == 1) FSeenMine[a] = 1;
    if (FConstraints.Value(a) == 0) FSeenSafe[a] = 1;
  }
}
