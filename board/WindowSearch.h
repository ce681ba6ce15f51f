#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "board/NumberConstraints.h"

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

  void Clear() { FConstraints.Clear(); }
  int AreaCount() const { return FConstraints.AreaCount(); }
  // A covered area; its index in the search (0, 1, ...).
  int AddArea() { return FConstraints.AddArea(); }
  // A number: exactly need of these areas (indices from AddArea) hold a mine.
  void AddNumber(const std::vector<int>& areas, int need) { FConstraints.AddNumber(areas, need); }

  // Bit i of the results stands for area i. False when no way meets every
  // number, or when the search would take more than nodeBudget steps: then
  // nothing is certain.
  bool Solve(int nodeBudget, std::uint32_t& alwaysSafe, std::uint32_t& alwaysMine);
  // The steps the last Solve took.
  int StepsTaken() const { return FBudget - std::max(FNodesLeft, 0); }

 private:
  bool Complete();
  void NoteWay();
  std::uint32_t AllAreas() const;

  TNumberConstraints FConstraints;
  std::uint32_t FSeenMine = 0;  // areas a mine in some way found
  std::uint32_t FSeenSafe = 0;  // areas safe in some way found
  int FBudget = 0;
  int FNodesLeft = 0;
};
