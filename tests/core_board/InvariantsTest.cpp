#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "BoardTestSupport.h"

namespace {

const char* PatternFiles[][2] = {
    {"Patterns/bricks.tes", "101\nx\nBricks\n\n0\n0\n3\n2\n2\n2\n11.\n.22\n"},
    {"Patterns/crosses.tes", "102\nx\nCrosses and holes\n\n0\n0\n3\n3\n3\n3\n-1-\n111\n-1#\n"},
    {"Patterns/ells.tes", "103\nx\nElls\n\n0\n0\n2\n2\n2\n2\n12\n22\n"},
};

// One random kind of field: plain, shaped, or from a pattern, each with
// or without holes and links, at a random size up to the largest.
TGameRecord RandomRecord(std::mt19937& draw) {
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
  const bool tiny = pick(0, 3) == 0;
  TGameRecord record = PlainRecord(tiny ? pick(1, 6) : pick(1, 147), tiny ? pick(1, 6) : pick(1, 98));
  switch (pick(0, 2)) {
    case 1: record.CellSize = pick(11, 90); break;
    case 2:
      record.PatternFlag = 1;
      record.PatternID = 101 + pick(0, 2);
      break;
    default: break;
  }
  if (pick(0, 1)) record.Holes = pick(1, 100);
  if (pick(0, 1)) record.Linking = pick(1, 90);
  record.MinePopulation = pick(0, 200);
  return record;
}

bool OrthogonallyConnected(const TBoard& board, const TAreaProperties* area) {
  const auto cells = CellsOf(board, area);
  std::set<std::pair<int, int>> reached{cells.front()};
  std::vector<std::pair<int, int>> stack{cells.front()};
  while (!stack.empty()) {
    const auto [column, row] = stack.back();
    stack.pop_back();
    const std::pair<int, int> next[4] = {{column - 1, row}, {column + 1, row}, {column, row - 1}, {column, row + 1}};
    for (const auto& [c, r] : next)
      if (board.OnField(c, r) && board.AreaAt(c, r) == area && reached.insert({c, r}).second)
        stack.push_back({c, r});
  }
  return reached.size() == cells.size();
}

void ExpectSoundField(const TBoard& board, const TGameRecord& record) {
  std::set<const TAreaProperties*> listed;
  for (const auto& area : board.Areas()) listed.insert(area.get());
  ASSERT_EQ(listed.size(), board.Areas().size());
  std::set<const TAreaProperties*> used;
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column) {
      const TAreaProperties* area = board.AreaAt(column, row);
      ASSERT_TRUE(listed.count(area)) << "cell " << column << "," << row;
      used.insert(area);
      if (area->Hole) continue;
      const TCellRec& cell = board.Cell(column, row);
      EXPECT_EQ(cell.EdgeTop, row == 1 || board.AreaAt(column, row - 1) != area);
      EXPECT_EQ(cell.EdgeLeft, column == 1 || board.AreaAt(column - 1, row) != area);
      EXPECT_EQ(cell.EdgeBottom, row == board.SizeY() || board.AreaAt(column, row + 1) != area);
      EXPECT_EQ(cell.EdgeRight, column == board.SizeX() || board.AreaAt(column + 1, row) != area);
    }
  EXPECT_EQ(used.size(), board.Areas().size()) << "every area holds a cell";

  int mines = 0, playable = 0;
  for (const auto& area : board.Areas()) {
    EXPECT_FALSE(area->Mine && area->Hole);
    EXPECT_FALSE(area->Uncovered || area->Marked || area->Exposed);
    EXPECT_EQ(area->MineCount, BruteMineCount(board, area.get()));
    mines += area->Mine;
    playable += !area->Hole;
  }
  const long double asked = std::nearbyint(board.Areas().size() * (long double)record.MinePopulation * 0.002L);
  EXPECT_EQ(mines, std::min<int>(int(asked), playable));

  // Grown shapes without links: connected, one label cell each.
  if (record.CellSize > record.ShapeThreshold && !record.UsesPattern() && record.Linking == 0)
    for (const auto& area : board.Areas()) {
      if (area->Hole && record.Holes == 0) ADD_FAILURE() << "a hole without holes on";
      EXPECT_TRUE(OrthogonallyConnected(board, area.get()));
      int labels = 0;
      for (const auto& [column, row] : CellsOf(board, area.get())) labels += board.Cell(column, row).LabelCell;
      EXPECT_EQ(labels, 1);
    }
}

}  // namespace

TEST(RandomFields, AllKindsAndSizesKeepTheFieldsInvariants) {
  TScratchDir dir;
  for (const auto& [path, text] : PatternFiles) dir.WriteFile(path, text);
  std::mt19937 draw(12345);
  TBoard board;
  for (int game = 0; game < 120; ++game) {
    const TGameRecord record = RandomRecord(draw);
    RandSeed(std::uint64_t(game) * 7919);
    Generate(board, record);
    SCOPED_TRACE(testing::Message() << "game " << game << ": " << record.SizeX << " x " << record.SizeY
                                    << " cell size " << record.CellSize << " pattern "
                                    << int(record.PatternFlag) << " holes " << record.Holes
                                    << " linking " << record.Linking);
    ExpectSoundField(board, record);
    if (HasFatalFailure()) return;
  }
}

TEST(RandomFields, TheFloodEndsAsTheRepeatedPassesEnd) {
  TScratchDir dir;
  for (const auto& [path, text] : PatternFiles) dir.WriteFile(path, text);
  std::mt19937 draw(777);
  for (int game = 0; game < 40; ++game) {
    TGameRecord record = RandomRecord(draw);
    record.MinePopulation = std::uniform_int_distribution<int>(0, 60)(draw);
    TBoard fast, naive;
    RandSeed(std::uint64_t(game) + 99);
    Generate(fast, record);
    RandSeed(std::uint64_t(game) + 99);
    Generate(naive, record);
    ASSERT_EQ(fast.Areas().size(), naive.Areas().size());

    std::int32_t score = 100, clock = 0;
    for (int action = 0; action < 60; ++action) {
      const int column = std::uniform_int_distribution<int>(1, fast.SizeX())(draw);
      const int row = std::uniform_int_distribution<int>(1, fast.SizeY())(draw);
      TAreaProperties* mirror = naive.AreaAt(column, row);
      if (std::uniform_int_distribution<int>(0, 9)(draw) < 3) {
        fast.ToggleMark(column, row, score);
        naive.ToggleMark(column, row, score);
        continue;
      }
      const bool wasFirst = fast.FirstMove();
      if (fast.Uncover(column, row, 0, score, clock, false)) break;  // a mine went off
      if (mirror->Uncovered || mirror->Marked || mirror->Hole) continue;
      if (mirror->Mine) {
        ASSERT_TRUE(wasFirst);
        mirror->Marked = true;
      } else {
        mirror->Uncovered = true;
        NaiveFlood(naive);
      }
    }
    for (std::size_t i = 0; i < fast.Areas().size(); ++i) {
      ASSERT_EQ(fast.Areas()[i]->Uncovered, naive.Areas()[i]->Uncovered) << "game " << game << " area " << i;
      ASSERT_EQ(fast.Areas()[i]->Marked, naive.Areas()[i]->Marked) << "game " << game << " area " << i;
    }
  }
}

// Linking replayed on a plain list: the same draws as the board makes (two
// distinct positions of the list as it stands), cells moved one merge at a
// time, the entry erased from the list.
TEST(RandomFields, LinkingKeepsTheListInItsOrder) {
  for (int game = 0; game < 30; ++game) {
    const int sizeX = 3 + game * 4 % 140, sizeY = 2 + game * 3 % 90;
    const int linking = 1 + game * 3;
    TBoard board;
    TBoardSteps::Start(board, sizeX, sizeY);
    if (game % 2) {
      const int n = std::max(1, sizeX * sizeY / 4);
      TBoardSteps::SeedAreas(board, n, true);
      TBoardSteps::GrowAreas(board, n);
    } else {
      TBoardSteps::MakeSingleAreas(board, true, true);
    }
    TBoardSteps::FillUnassigned(board);
    TBoardSteps::MakeHoles(board, 50);

    std::vector<TAreaProperties*> list;
    for (const auto& area : board.Areas()) list.push_back(area.get());
    std::vector<std::vector<TAreaProperties*>> grid(sizeX + 1, std::vector<TAreaProperties*>(sizeY + 1));
    for (int column = 1; column <= sizeX; ++column)
      for (int row = 1; row <= sizeY; ++row)
        grid[column][row] = list[TBoardSteps::IndexOf(board, column, row)];

    RandSeed(std::uint64_t(game) + 5);
    TBoardSteps::LinkAreas(board, linking);
    TBoardSteps::Finish(board);

    RandSeed(std::uint64_t(game) + 5);
    const int count = int(list.size());
    long long merges = std::llrint(count * (long double)linking * 0.01L);
    if (merges > count - 2) merges = count - 3;
    for (long long i = 0; i < merges; ++i) {
      const int now = int(list.size());
      const int a = RandInt(now);
      int b = RandInt(now - 1);
      if (b >= a) ++b;
      TAreaProperties* from = list[a];
      TAreaProperties* to = list[b];
      for (int column = 1; column <= sizeX; ++column)
        for (int row = 1; row <= sizeY; ++row)
          if (grid[column][row] == from) grid[column][row] = to;
      list.erase(list.begin() + a);
    }
    ASSERT_EQ(board.Areas().size(), list.size()) << "game " << game;
    for (std::size_t i = 0; i < list.size(); ++i) ASSERT_EQ(board.Areas()[i].get(), list[i]);
    for (int column = 1; column <= sizeX; ++column)
      for (int row = 1; row <= sizeY; ++row) ASSERT_EQ(board.AreaAt(column, row), grid[column][row]);
  }
}
