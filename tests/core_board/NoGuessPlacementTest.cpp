#include <gtest/gtest.h>

#include <cstdio>

#include "BoardTestSupport.h"
#include "FieldKinds.h"
#include "board/AreaGraph.h"
#include "board/BoardView.h"
#include "board/NoGuessPlacement.h"

namespace {

int MinesOn(const TBoard& board) {
  int mines = 0;
  for (const auto& area : board.Areas()) mines += area->Mine;
  return mines;
}

// The start area and its neighbours, and the playable areas of the field.
int Playable(const TAreaGraph& graph) {
  int playable = 0;
  for (std::int32_t a = 0; a < graph.AreaCount(); ++a) playable += !graph.Hole(a);
  return playable;
}

std::pair<int, int> PlayableCell(const TBoard& board, std::mt19937& draw) {
  for (;;) {
    const int column = std::uniform_int_distribution<int>(1, board.SizeX())(draw);
    const int row = std::uniform_int_distribution<int>(1, board.SizeY())(draw);
    if (!board.AreaAt(column, row)->Hole) return {column, row};
  }
}

}  // namespace

// At the game's own density, on every kind of field: the mines keep their
// number and stay off holes and the start, the start shows 0 when there is
// room for every mine away from it, the same seed gives the same placement,
// and a placement called deducible is cleared by the solver's moves on the
// board itself. Almost every placement is deducible where the mines are at
// most a fifth of the playable areas (holes count in the number of mines,
// so a pattern with many holes holds many more mines per playable area).
TEST(NoGuessPlacement, EveryKindOfFieldIsClearedByDeductionFromAZeroStart) {
  TScratchDir dir;
  WriteKindPatterns(dir);
  std::mt19937 draw(1616);
  for (int kind = 0; kind < fk_Kinds; ++kind) {
    const int fields = 40;
    int deducible = 0, ordinary = 0, ordinaryDeducible = 0;
    for (int field = 0; field < fields; ++field) {
      TBoard board;
      RandSeed(std::uint64_t(kind) * 1000 + std::uint64_t(field));
      TGameRecord record = KindRecord(TFieldKind(kind), 24, 16, draw);
      record.MinePopulation = 80;
      Generate(board, record);
      const int mines = MinesOn(board);
      const auto [column, row] = PlayableCell(board, draw);
      const std::int32_t start = board.AreaNumberAt(column, row);
      const TAreaGraph graph(board);
      RandSeed(field);
      const TPlacement placement = PlaceWithoutGuess(graph, start, mines);
      RandSeed(field);
      EXPECT_EQ(PlaceWithoutGuess(graph, start, mines).Mines, placement.Mines);

      board.LayMines(placement.Mines);
      const std::string where = std::string(FieldKindNames[kind]) + " field " + std::to_string(field);
      EXPECT_EQ(MinesOn(board), mines) << where;
      for (const auto& area : board.Areas()) EXPECT_FALSE(area->Mine && area->Hole) << where;
      EXPECT_FALSE(board.Areas()[start]->Mine) << where;
      const int closeToStart = 1 + int(graph.Neighbours(start).size());
      if (mines <= Playable(graph) - closeToStart) {
        EXPECT_EQ(board.Areas()[start]->MineCount, 0) << where;
      }
      if (placement.Deducible) {
        EXPECT_TRUE(PlayByDeduction(board, column, row)) << where;
      }
      deducible += placement.Deducible;
      if (mines * 5 <= Playable(graph)) {
        ++ordinary;
        ordinaryDeducible += placement.Deducible;
      }
    }
    std::printf("[ no guess ] %-7s %d of %d fields placed without a guess; %d of %d with at most 20%% mines\n",
                FieldKindNames[kind], deducible, fields, ordinaryDeducible, ordinary);
    EXPECT_GE(ordinary, fields / 2) << FieldKindNames[kind];
    EXPECT_GE(ordinaryDeducible * 10, ordinary * 9) << FieldKindNames[kind];
  }
}

// With more mines than the areas away from the start can hold, the start
// still never holds one and shows the least number it can: the mines that
// do not fit elsewhere. Even a field of nothing but mines keeps its start.
// A hole is no start at all.
TEST(NoGuessPlacement, MinesCrowdingTheStartLeaveItSafeWithTheLeastNumber) {
  TBoard board;
  for (const auto& [population, expectedMines, expectedNumber] :
       std::vector<std::tuple<int, int, int>>{{300, 10, 3}, {500, 15, 8}}) {
    TGameRecord record = PlainRecord(4, 4);
    record.MinePopulation = population;
    Generate(board, record);
    const TAreaGraph graph(board);
    const std::int32_t start = board.AreaNumberAt(2, 2);
    board.LayMines(PlaceWithoutGuess(graph, start, MinesOn(board)).Mines);
    EXPECT_EQ(MinesOn(board), expectedMines) << population;
    EXPECT_FALSE(board.Areas()[start]->Mine) << population;
    EXPECT_EQ(board.Areas()[start]->MineCount, expectedNumber) << population;
  }

  TGameRecord holed = PlainRecord(3, 3);
  holed.Holes = 500;  // every cell a hole
  Generate(board, holed);
  EXPECT_TRUE(PlaceWithoutGuess(TAreaGraph(board), board.AreaNumberAt(2, 2), 3).Mines.empty());
}
