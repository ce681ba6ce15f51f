#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "BoardTestSupport.h"

// Grown shapes must come out as often as the game's rule makes them: seeds
// on distinct random cells, then again and again a random empty cell that
// touches a grown area orthogonally joins the area of one of its occupied
// neighbours, each neighbour (counted by direction) equally likely. On a
// 3 x 2 field with two seeds every possible field can be listed with its
// exact chance and compared with many generated ones.

namespace {

constexpr int Columns = 3, Rows = 2, Cells = Columns * Rows;
using TLabels = std::array<int, Cells>;  // area index per cell, -1 empty, reading order

std::vector<int> OccupiedNeighbours(const TLabels& labels, int cell) {
  const int column = cell % Columns, row = cell / Columns;
  std::vector<int> areas;
  if (column > 0 && labels[cell - 1] >= 0) areas.push_back(labels[cell - 1]);
  if (column < Columns - 1 && labels[cell + 1] >= 0) areas.push_back(labels[cell + 1]);
  if (row > 0 && labels[cell - Columns] >= 0) areas.push_back(labels[cell - Columns]);
  if (row < Rows - 1 && labels[cell + Columns] >= 0) areas.push_back(labels[cell + Columns]);
  return areas;
}

// The rule's own draw (a random cell, redrawn while it is taken or touches
// nothing; then random directions until one hits) picks each empty cell
// that touches an area with equal chance, then each occupied direction.
void Grow(const TLabels& labels, double chance, std::map<TLabels, double>& fields) {
  std::vector<int> candidates;
  for (int cell = 0; cell < Cells; ++cell)
    if (labels[cell] < 0 && !OccupiedNeighbours(labels, cell).empty()) candidates.push_back(cell);
  if (candidates.empty()) {
    fields[labels] += chance;
    return;
  }
  for (const int cell : candidates) {
    const std::vector<int> areas = OccupiedNeighbours(labels, cell);
    for (const int area : areas) {
      TLabels next = labels;
      next[cell] = area;
      Grow(next, chance / double(candidates.size()) / double(areas.size()), fields);
    }
  }
}

std::map<TLabels, double> ExactFields() {
  std::map<TLabels, double> fields;
  for (int first = 0; first < Cells; ++first)
    for (int second = 0; second < Cells; ++second) {
      if (second == first) continue;
      TLabels labels;
      labels.fill(-1);
      labels[first] = 0;
      labels[second] = 1;
      Grow(labels, 1.0 / (Cells * (Cells - 1)), fields);
    }
  return fields;
}

}  // namespace

TEST(GrowAreas, GivesEveryFieldWithTheChanceOfTheRule) {
  const std::map<TLabels, double> exact = ExactFields();
  std::map<TLabels, int> seen;
  constexpr int Fields = 120000;
  RandSeed(2024);
  TBoard board;
  for (int i = 0; i < Fields; ++i) {
    TBoardSteps::Start(board, Columns, Rows);
    TBoardSteps::SeedAreas(board, 2, true);
    TBoardSteps::GrowAreas(board, 2);
    TLabels labels;
    for (int cell = 0; cell < Cells; ++cell)
      labels[cell] = TBoardSteps::IndexOf(board, cell % Columns + 1, cell / Columns + 1);
    ++seen[labels];
  }

  double chiSquare = 0;
  for (const auto& [labels, count] : seen)
    ASSERT_TRUE(exact.count(labels)) << "a field the rule can never make";
  for (const auto& [labels, chance] : exact) {
    const double expected = chance * Fields;
    const auto found = seen.find(labels);
    const double observed = found == seen.end() ? 0 : found->second;
    chiSquare += (observed - expected) * (observed - expected) / expected;
  }
  const double freedom = double(exact.size()) - 1;
  EXPECT_LT(chiSquare, freedom + 5 * std::sqrt(2 * freedom))
      << exact.size() << " possible fields; far more than chance would explain";
}
