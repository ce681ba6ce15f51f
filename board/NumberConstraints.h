#pragma once
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

// Covered areas and the numbers that bear on them, each number telling how
// many of its areas hold a mine, with an assignment of values to the areas
// that a search makes and takes back. Deciding an area decides everything
// the numbers then force: a number that has its mines makes its other
// areas safe, one that needs every area left makes them all mines.
//
// Both lists are kept flat: the areas of every number one after another,
// and once indexed, the numbers of every area likewise, so that the inner
// loop of a search walks plain arrays.
class TNumberConstraints {
 public:
  void Clear();
  // A covered area; its index (0, 1, ...).
  int AddArea() { return FAreaCount++; }
  // A number: exactly need of these areas (indices from AddArea) hold a mine.
  void AddNumber(const std::vector<int>& areas, int need);
  int AreaCount() const { return FAreaCount; }
  int NumberCount() const { return int(FGivenNeed.size()); }

  // Lists the numbers of each area and starts an assignment with no area
  // decided. Needed after the last AddArea or AddNumber, before Assign.
  void Index();

  std::span<const int> AreasOf(int number) const {
    return {FNumberAreas.data() + FNumberStart[number], FNumberAreas.data() + FNumberStart[number + 1]};
  }
  // Valid once indexed.
  std::span<const int> NumbersOf(int area) const {
    return {FAreaNumbers.data() + FAreaStart[area], FAreaNumbers.data() + FAreaStart[area + 1]};
  }

  // -1 undecided, 0 safe, 1 mine.
  int Value(int area) const { return FValue[area]; }
  bool Decided(int area) const { return FValue[area] >= 0; }
  // A point to undo to: everything decided after it is taken back.
  std::size_t Mark() const { return FTrail.size(); }

  // Decides what the numbers force before anything is tried, which holds in
  // every way of meeting them: all numbers, or only these. False when some
  // number cannot be met.
  bool ForceAtRoot();
  bool ForceAtRoot(std::span<const int> numbers);
  // Decides the area and everything that follows from it. False when some
  // number can no longer be met; Undo then takes back what was decided.
  bool Assign(int area, int value);
  void Undo(std::size_t mark);

 private:
  bool ForceNumber(int number);
  bool Unmeetable(int number) const { return FNeed[number] < 0 || FNeed[number] > FFree[number]; }
  // All its undecided areas take one value: none of them or all are mines.
  bool Forcing(int number) const { return FNeed[number] == 0 || FNeed[number] == FFree[number]; }

  int FAreaCount = 0;
  std::vector<int> FNumberStart{0};  // per number: first of its areas in FNumberAreas
  std::vector<int> FNumberAreas;
  std::vector<int> FGivenNeed;
  std::vector<int> FAreaStart;  // per area: first of its numbers in FAreaNumbers
  std::vector<int> FAreaNumbers;
  // The assignment under way.
  std::vector<int> FNeed;           // per number: mines still to place
  std::vector<int> FFree;           // per number: areas still undecided
  std::vector<std::int8_t> FValue;  // per area: -1 undecided, 0 safe, 1 mine
  std::vector<int> FTrail;          // areas decided, in order
  std::vector<std::pair<int, int>> FPending;  // decisions forced, still to make
};

// Assign and Undo are the searches' inner loop: defined here so that each
// search can inline them.
inline bool TNumberConstraints::Assign(int area, int value) {
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
      if (Unmeetable(n)) return false;
      if (FFree[n] == 0 || !Forcing(n)) continue;
      const int forced = FNeed[n] == 0 ? 0 : 1;
      for (int j = FNumberStart[n]; j < FNumberStart[n + 1]; ++j)
        if (FValue[FNumberAreas[j]] < 0) FPending.emplace_back(FNumberAreas[j], forced);
    }
  }
  return true;
}

inline void TNumberConstraints::Undo(std::size_t mark) {
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
