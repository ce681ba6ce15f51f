#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "board/NumberConstraints.h"

namespace {

std::vector<int> ValuesOf(const TNumberConstraints& constraints) {
  std::vector<int> values;
  for (int a = 0; a < constraints.AreaCount(); ++a) values.push_back(constraints.Value(a));
  return values;
}

// Whether every number can still be met and none has a value left to force:
// what a successful Assign leaves behind.
::testing::AssertionResult Settled(const TNumberConstraints& constraints, const std::vector<int>& needs) {
  for (int n = 0; n < constraints.NumberCount(); ++n) {
    int mines = 0, open = 0;
    for (const int a : constraints.AreasOf(n)) {
      mines += constraints.Value(a) == 1;
      open += !constraints.Decided(a);
    }
    const int left = needs[std::size_t(n)] - mines;
    if (left < 0 || left > open) return ::testing::AssertionFailure() << "number " << n << " cannot be met";
    if (open > 0 && (left == 0 || left == open))
      return ::testing::AssertionFailure() << "number " << n << " forces areas left undecided";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

// One decision passes from number to number: a number with its mine makes
// its other areas safe, and a number that then needs every area left makes
// it a mine. Undo takes all of it back.
TEST(NumberConstraints, ADecisionForcesWhatTheNumbersLeaveNoChoiceAbout) {
  TNumberConstraints constraints;
  for (int a = 0; a < 5; ++a) EXPECT_EQ(constraints.AddArea(), a);
  constraints.AddNumber({0, 1, 2}, 1);
  constraints.AddNumber({2, 3}, 1);
  constraints.AddNumber({3, 4}, 1);
  constraints.Index();
  EXPECT_EQ(constraints.NumberCount(), 3);
  EXPECT_EQ(std::vector<int>(constraints.NumbersOf(2).begin(), constraints.NumbersOf(2).end()),
            (std::vector<int>{0, 1}));
  EXPECT_EQ(std::vector<int>(constraints.AreasOf(2).begin(), constraints.AreasOf(2).end()),
            (std::vector<int>{3, 4}));
  ASSERT_TRUE(constraints.ForceAtRoot());
  EXPECT_EQ(ValuesOf(constraints), (std::vector<int>{-1, -1, -1, -1, -1}));

  const std::size_t mark = constraints.Mark();
  ASSERT_TRUE(constraints.Assign(0, 1));
  EXPECT_EQ(ValuesOf(constraints), (std::vector<int>{1, 0, 0, 1, 0}));
  constraints.Undo(mark);
  EXPECT_EQ(ValuesOf(constraints), (std::vector<int>{-1, -1, -1, -1, -1}));

  // A mine on both 2 and 3 gives the middle number two: no way.
  ASSERT_TRUE(constraints.Assign(2, 1));
  EXPECT_EQ(ValuesOf(constraints), (std::vector<int>{0, 0, 1, 0, 1}));
  EXPECT_FALSE(constraints.Assign(3, 1));
  constraints.Undo(mark);
  // The counts came back with the values: the same decision works again.
  ASSERT_TRUE(constraints.Assign(0, 1));
  EXPECT_EQ(ValuesOf(constraints), (std::vector<int>{1, 0, 0, 1, 0}));
}

// At the root, a number that has its mines or needs all its areas settles
// them; one that needs more than it has fails. Only the numbers asked about
// are read.
TEST(NumberConstraints, TheRootForcesTheNumbersAskedAbout) {
  TNumberConstraints constraints;
  for (int a = 0; a < 6; ++a) constraints.AddArea();
  constraints.AddNumber({0, 1}, 0);
  constraints.AddNumber({2, 3}, 2);
  constraints.AddNumber({4, 5}, 3);
  constraints.Index();
  const std::vector<int> first{0};
  ASSERT_TRUE(constraints.ForceAtRoot(first));
  EXPECT_EQ(ValuesOf(constraints), (std::vector<int>{0, 0, -1, -1, -1, -1}));
  const std::vector<int> second{1};
  ASSERT_TRUE(constraints.ForceAtRoot(second));
  EXPECT_EQ(ValuesOf(constraints), (std::vector<int>{0, 0, 1, 1, -1, -1}));
  constraints.Undo(0);
  EXPECT_FALSE(constraints.ForceAtRoot());

  // Index starts again from nothing decided.
  constraints.Clear();
  EXPECT_EQ(constraints.AreaCount(), 0);
  EXPECT_EQ(constraints.NumberCount(), 0);
  constraints.AddArea();
  constraints.AddNumber({0}, 1);
  constraints.Index();
  EXPECT_FALSE(constraints.Decided(0));
  ASSERT_TRUE(constraints.ForceAtRoot());
  EXPECT_EQ(constraints.Value(0), 1);
}

// Random systems of numbers, decided at random and taken back to random
// marks: each successful decision leaves every number met so far and
// nothing forced undecided, and each undo gives back exactly the values
// of its mark.
TEST(NumberConstraints, DecisionsAndUndoAgreeWithTheNumbersOnRandomSystems) {
  std::mt19937 draw(4242);
  for (int system = 0; system < 300; ++system) {
    const int areas = std::uniform_int_distribution<int>(1, 20)(draw);
    const std::uint32_t truth = std::uniform_int_distribution<std::uint32_t>(0, (1u << areas) - 1)(draw);
    TNumberConstraints constraints;
    for (int a = 0; a < areas; ++a) constraints.AddArea();
    std::vector<int> needs;
    for (int n = std::uniform_int_distribution<int>(1, 12)(draw); n > 0; --n) {
      std::vector<int> list;
      int need = 0;
      for (int a = 0; a < areas; ++a)
        if (draw() % 3 == 0) {
          list.push_back(a);
          need += int(truth >> a & 1u);
        }
      constraints.AddNumber(list, need);
      needs.push_back(need);
    }
    constraints.Index();
    ASSERT_TRUE(constraints.ForceAtRoot()) << "system " << system << ": the truth meets every number";
    ASSERT_TRUE(Settled(constraints, needs)) << "system " << system;
    std::vector<std::pair<std::size_t, std::vector<int>>> marks{{constraints.Mark(), ValuesOf(constraints)}};
    for (int step = 0; step < 40; ++step) {
      std::vector<int> open;
      for (int a = 0; a < areas; ++a)
        if (!constraints.Decided(a)) open.push_back(a);
      if (open.empty() || draw() % 4 == 0) {
        const std::size_t back = std::uniform_int_distribution<std::size_t>(0, marks.size() - 1)(draw);
        constraints.Undo(marks[back].first);
        EXPECT_EQ(ValuesOf(constraints), marks[back].second) << "system " << system << " step " << step;
        marks.resize(back + 1);
        continue;
      }
      const int area = open[std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(draw)];
      const int value = int(draw() % 2);
      if (constraints.Assign(area, value)) {
        EXPECT_EQ(constraints.Value(area), value);
        EXPECT_TRUE(Settled(constraints, needs)) << "system " << system << " step " << step;
        marks.emplace_back(constraints.Mark(), ValuesOf(constraints));
      } else {
        constraints.Undo(marks.back().first);
        EXPECT_EQ(ValuesOf(constraints), marks.back().second) << "system " << system << " step " << step;
      }
    }
  }
}
