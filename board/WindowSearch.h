#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// The exact answer for a small piece of a field: a few covered areas (at
// most 32) and the numbers that bear on them, each number telling how many
// of its areas hold a mine. The search finds the areas that are safe in
// every way of laying mines that meets all the numbers, and those that are
// a mine in every one.
//
// Rather than listing every way, it looks, for each area in turn, for one
// way in which the area is what no way found so far has made it; each way
// found shows every area's value in it. An area for which no such way
// exists is certain. The looking assigns areas depth first and lets each
// number force its remaining areas as soon as it can (all safe when it has
// its mines, all mines when it needs every area left).
class TWindowSearch {
 public:
  static constexpr int MaxAreas = 32;

  void Clear();
  int AreaCount() const { return FAreaCount; }
  // A covered area; its index in the search (0, 1, ...).
  int AddArea();
  // A number: exactly need of these areas (indices from AddArea) hold a mine.
  void AddNumber(const std::vector<int>& areas, int need);

  // Bit i of the results stands for area i. False when no way meets every
  // number, or when the search would take more than nodeBudget steps: then
  // nothing is certain.
  bool Solve(int nodeBudget, std::uint32_t& alwaysSafe, std::uint32_t& alwaysMine);
  // The steps the last Solve took.
  int StepsTaken() const { return FBudget - std::max(FNodesLeft, 0); }

 private:
  void IndexNumbersOfAreas();
  bool ForceAtRoot();
  bool Assign(int area, int value);
  void Undo(std::size_t mark);
  bool Complete();
  void NoteWay();

  int FAreaCount = 0;
  std::vector<int> FNumberStart{0};  // per number: first of its areas in FNumberAreas
  std::vector<int> FNumberAreas;
  std::vector<int> FGivenNeed;
  std::vector<int> FAreaStart;       // per area: first of its numbers in FAreaNumbers
  std::vector<int> FAreaNumbers;
  // The assignment under way.
  std::vector<int> FNeed;  // per number: mines still to place
  std::vector<int> FFree;  // per number: areas still undecided
  std::array<std::int8_t, MaxAreas> FValue{};  // -1 undecided, 0 safe, 1 mine
  std::vector<int> FTrail;                     // areas decided, in order
  std::vector<std::pair<int, int>> FPending;   // decisions forced, still to make
  std::uint32_t FSeenMine = 0;  // areas a mine in some way found
  std::uint32_t FSeenSafe = 0;  // areas safe in some way found
  int FBudget = 0;
  int FNodesLeft = 0;
};
