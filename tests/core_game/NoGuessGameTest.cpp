#include <filesystem>
#include <fstream>
#include <random>
#include <gtest/gtest.h>
#include "board/Random.h"
#include "game/Game.h"

namespace {

// Everything a field shows before play, mines apart: which area each cell
// belongs to, the holes and the colours.
struct TPartition {
  std::vector<std::int32_t> AreaOfCell;
  std::vector<bool> Holes;
  std::vector<TColour> Colours;
  bool operator==(const TPartition&) const = default;
};

TPartition PartitionOf(const TBoard& board) {
  TPartition partition;
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column)
      partition.AreaOfCell.push_back(board.AreaNumberAt(column, row));
  for (const TAreaRef& area : board.Areas()) {
    partition.Holes.push_back(area->Hole);
    partition.Colours.push_back(area->Colour);
  }
  return partition;
}

std::vector<bool> MinesOf(const TBoard& board) {
  std::vector<bool> mines;
  for (const TAreaRef& area : board.Areas()) mines.push_back(area->Mine);
  return mines;
}

TGameRecord EveryFeature() {
  TGameRecord record;
  record.SizeX = 24;
  record.SizeY = 16;
  record.MinePopulation = 80;
  record.Holes = 10;
  record.CellSize = 30;
  record.Linking = 30;
  record.ShapeThreshold = 10;
  return record;
}

TPlayResult Click(TGame& game, TPlayButton button, int column, int row) {
  game.Press(button, column, row);
  return game.Release(button, column, row);
}

template <typename TWanted>
std::pair<int, int> CellWhere(const TBoard& board, TWanted wanted) {
  for (int row = 1; row <= board.SizeY(); ++row)
    for (int column = 1; column <= board.SizeX(); ++column)
      if (wanted(*board.AreaAt(column, row))) return {column, row};
  ADD_FAILURE() << "no such cell on the field";
  return {1, 1};
}

}  // namespace

// The option moves the mines at the first uncover and nothing else: the
// field is made exactly as without it, the number of mines stays, the area
// uncovered (a mine as generated) is safe and shows 0, and later uncovers
// move nothing. Without the option the first uncover moves no mine.
TEST(NoGuessing, TheFirstUncoverLaysTheMinesAnewAndChangesNothingElse) {
  TGame plain, noGuess;
  noGuess.SetNoGuess(true);
  RandSeed(1616);
  plain.Start(EveryFeature());
  RandSeed(1616);
  noGuess.Start(EveryFeature());
  const TPartition partition = PartitionOf(*plain.Board());
  ASSERT_EQ(PartitionOf(*noGuess.Board()), partition);
  const std::vector<bool> generated = MinesOf(*plain.Board());
  ASSERT_EQ(MinesOf(*noGuess.Board()), generated);

  // A mine as generated, so that only the option can make it safe.
  const auto [column, row] = CellWhere(*noGuess.Board(), [](const TAreaProperties& area) { return area.Mine; });
  EXPECT_EQ(Click(noGuess, pb_Left, column, row), pr_Uncovered);
  const TAreaProperties& start = *noGuess.Board()->AreaAt(column, row);
  EXPECT_TRUE(start.Uncovered);
  EXPECT_FALSE(start.Mine);
  EXPECT_EQ(start.MineCount, 0);
  EXPECT_EQ(noGuess.Score(), 105) << "a safe uncover, no grace spent";
  EXPECT_FALSE(noGuess.MayNeedGuess());
  EXPECT_EQ(PartitionOf(*noGuess.Board()), partition);
  const std::vector<bool> laid = MinesOf(*noGuess.Board());
  EXPECT_EQ(std::count(laid.begin(), laid.end(), true), std::count(generated.begin(), generated.end(), true));
  EXPECT_NE(laid, generated);

  const auto [safeColumn, safeRow] = CellWhere(*noGuess.Board(), [](const TAreaProperties& area) {
    return !area.Mine && !area.Hole && !area.Uncovered;
  });
  EXPECT_EQ(Click(noGuess, pb_Left, safeColumn, safeRow), pr_Uncovered);
  EXPECT_EQ(MinesOf(*noGuess.Board()), laid);

  EXPECT_EQ(Click(plain, pb_Left, column, row), pr_Uncovered) << "the grace defuses it";
  EXPECT_EQ(MinesOf(*plain.Board()), generated);
}

// A field whose mines cannot all be found (one must lie in an area cut off
// by holes) still starts safe, and says that it may need a guess until the
// next field.
TEST(NoGuessing, AFieldThatNeedsAGuessSaysSoUntilTheNextField) {
  const std::filesystem::path previous = std::filesystem::current_path();
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quorlane-noguess-" + std::to_string(std::random_device()()));
  std::filesystem::create_directories(dir / "Patterns");
  std::ofstream(dir / "Patterns" / "split.tes") << "301\nx\nSplit\n\n0\n0\n3\n1\n3\n1\n0-0\n";
  std::filesystem::current_path(dir);
  TGameRecord record;
  record.SizeX = 3;
  record.SizeY = 1;
  record.MinePopulation = 500;  // as many as there are playable areas
  record.PatternFlag = 1;
  record.PatternID = 301;
  TGame game;
  game.SetNoGuess(true);
  game.Start(record);
  EXPECT_EQ(Click(game, pb_Left, 1, 1), pr_Uncovered);
  EXPECT_FALSE(game.Board()->AreaAt(1, 1)->Mine);
  EXPECT_TRUE(game.Board()->AreaAt(3, 1)->Mine);
  EXPECT_TRUE(game.MayNeedGuess());
  Click(game, pb_Left, 2, 1);
  EXPECT_TRUE(game.MayNeedGuess());
  game.Start(record);
  EXPECT_FALSE(game.MayNeedGuess());
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
}
