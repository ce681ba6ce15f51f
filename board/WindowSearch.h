#pragma once
#include <cstdint>
#include <vector>

// The exact answer for a small piece of a field: a few covered areas (at
// most 32) and the numbers that bear on them, each number telling how many
// of its areas hold a mine. The search tries every way of laying mines that
// meets all the numbers and finds the areas that are safe in every one, and
// those that are a mine in every one.
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

 private:
  bool Search(int area);
  bool Fits(int area, int value);
  void Take(int area, int value, int sign);

  int FAreaCount = 0;
  std::vector<int> FNeed;             // per number: mines still to place
  std::vector<int> FFree;             // per number: areas still undecided
  std::vector<std::vector<int>> FNumbersOf;  // per area: the numbers it counts for
  std::uint32_t FLaid = 0;            // the mines of the way being tried
  std::uint32_t FSeenMine = 0;        // areas a mine in some way found
  std::uint32_t FSeenSafe = 0;        // areas safe in some way found
  bool FFoundOne = false;
  int FNodesLeft = 0;
};
