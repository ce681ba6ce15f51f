#include <gtest/gtest.h>

#include "BoardTestSupport.h"
#include "board/CellSpeech.h"

namespace {

// A: a shaped area across two columns; B: shaped down a column; C: linked,
// at opposite corners; D: shaped; E, F, G: single squares; #: a hole; H:
// two squares touching at a corner only, which is no join.
const std::vector<std::string> HandLaidField = {
    "AAB#",
    "CDBE",
    "FDGC",
    "HxxH",
};

struct TNameCase {
  const char* What;
  void (*Set)(TAreaProperties&);
  const char* Name;
};

const TNameCase NameCases[] = {
    {"covered", [](TAreaProperties&) {}, "Covered"},
    {"tinted", [](TAreaProperties& a) { a.Colour = 0x444470; }, "Covered, tinted"},
    {"marked", [](TAreaProperties& a) { a.Marked = true; }, "Marked"},
    {"tinted and marked", [](TAreaProperties& a) { a.Colour = 0x444470, a.Marked = true; }, "Marked"},
    {"uncovered 0", [](TAreaProperties& a) { a.Uncovered = true; }, "0"},
    {"uncovered 3", [](TAreaProperties& a) { a.Uncovered = true, a.MineCount = 3; }, "3"},
    {"tinted then uncovered", [](TAreaProperties& a) { a.Colour = 0x444470, a.Uncovered = true, a.MineCount = 1; }, "1"},
    {"mine shown", [](TAreaProperties& a) { a.Mine = true, a.Exposed = true; }, "Mine"},
    {"marked mine shown", [](TAreaProperties& a) { a.Mine = a.Marked = a.Exposed = true; }, "Mine"},
};

}  // namespace

TEST(CellSpeech, AnAreaIsNamedByWhatThePlayerSeesOfIt) {
  for (const TNameCase& c : NameCases) {
    TBoard board;
    TBoardSteps::LayAreas(board, HandLaidField);
    c.Set(*board.AreaAt(1, 1));
    EXPECT_EQ(CellName(board, 1, 1), c.Name) << c.What;
    EXPECT_EQ(CellName(board, 2, 1), c.Name) << c.What << ": every square of the area";
    EXPECT_EQ(CellName(board, 4, 2), "Covered") << c.What << ": other areas keep theirs";
  }
  TBoard board;
  TBoardSteps::LayAreas(board, HandLaidField);
  EXPECT_EQ(CellName(board, 4, 1), "Hole");
  EXPECT_EQ(CellName(board, 0, 1), "") << "off the field";
  EXPECT_EQ(CellName(board, 5, 1), "");
}

TEST(CellSpeech, ASquareIsDescribedByItsPlaceAndItsAreasShape) {
  TBoard board;
  TBoardSteps::LayAreas(board, HandLaidField);
  EXPECT_EQ(CellDescription(board, 4, 2), "Column 4, row 2; single square");
  EXPECT_EQ(CellDescription(board, 4, 1), "Column 4, row 1; single square") << "a hole";
  EXPECT_EQ(CellDescription(board, 2, 1), "Column 2, row 1; shaped area of 2 squares");
  EXPECT_EQ(CellDescription(board, 2, 4), "Column 2, row 4; shaped area of 2 squares");
  EXPECT_EQ(CellDescription(board, 4, 3), "Column 4, row 3; linked area of 2 squares");
  EXPECT_EQ(CellDescription(board, 1, 2), "Column 1, row 2; linked area of 2 squares");
  EXPECT_EQ(CellDescription(board, 1, 4), "Column 1, row 4; linked area of 2 squares")
      << "squares meeting at a corner are not joined";
  EXPECT_EQ(CellDescription(board, 5, 4), "");
}

// The join is worked out from the squares' ids; on generated fields it
// agrees with a plain walk over the grid.
TEST(CellSpeech, ShapedAndLinkedAreasOfGeneratedFieldsAreToldApart) {
  RandSeed(5);
  TBoard board;
  TGameRecord record = PlainRecord(34, 23);
  record.CellSize = 50;
  record.Linking = 50;
  record.Holes = 15;
  Generate(board, record);
  int linked = 0, shaped = 0;
  for (std::size_t a = 0; a < board.Areas().size(); ++a) {
    const auto cells = CellsOf(board, board.Areas()[a].get());
    ASSERT_EQ(board.SquareCount(std::int32_t(a)), std::int32_t(cells.size()));
    if (cells.size() < 2) continue;
    std::vector<std::pair<int, int>> reached{cells.front()};
    for (std::size_t k = 0; k < reached.size(); ++k)
      for (const auto& next : cells)
        if (std::abs(next.first - reached[k].first) + std::abs(next.second - reached[k].second) == 1 &&
            std::find(reached.begin(), reached.end(), next) == reached.end())
          reached.push_back(next);
    const bool joined = reached.size() == cells.size();
    EXPECT_EQ(board.SquaresJoined(std::int32_t(a)), joined) << "area " << a;
    (joined ? shaped : linked) += 1;
  }
  EXPECT_GT(shaped, 0);
  EXPECT_GT(linked, 0);
}

// Every command that changes the field is seen by comparing, the tint
// included, which flags nothing for drawing.
TEST(HeardStates, AfterEachPlayTheSquaresThatSoundDifferentAreTakenOnce) {
  TBoard board;
  TBoardSteps::LayAreas(board, {"AAB", "CDE", "FGH"});
  board.AreaAt(3, 3)->Mine = true;
  TBoardSteps::CountMines(board);
  THeardStates heard;
  heard.Reset(board);
  EXPECT_TRUE(heard.TakeChanged(board).empty());

  std::int32_t score = 100, clock = 0;
  ASSERT_FALSE(board.Uncover(1, 1, 0, score, clock, false));  // a zero: the flood opens all but H
  const std::vector<TSquare> opened = heard.TakeChanged(board);
  const std::vector<TSquare> allButH = {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}};
  EXPECT_EQ(opened, allButH) << "reading order, each square of each area";
  EXPECT_TRUE(heard.TakeChanged(board).empty()) << "told once";

  board.Tint(3, 3);
  EXPECT_EQ(heard.TakeChanged(board), std::vector<TSquare>({{3, 3}}));
  board.ToggleMark(3, 3, score);
  EXPECT_EQ(heard.TakeChanged(board), std::vector<TSquare>({{3, 3}}));
  board.Tint(1, 1);  // tinting an uncovered area changes nothing heard
  EXPECT_TRUE(heard.TakeChanged(board).empty());
}

TEST(HeardStates, AnotherFieldIsLearntAfreshNotReportedAsChanges) {
  TBoard board;
  TBoardSteps::LayAreas(board, {"AB"});
  THeardStates heard;
  heard.Reset(board);
  TBoardSteps::LayAreas(board, {"ABC"});
  board.AreaAt(1, 1)->Marked = true;
  EXPECT_TRUE(heard.TakeChanged(board).empty());
  board.AreaAt(3, 1)->Marked = true;
  EXPECT_EQ(heard.TakeChanged(board), std::vector<TSquare>({{3, 1}}));
}
