// A saved game brings back every field of the board and the game, and a file
// that is not a game the program could have written is refused whole.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "board/Random.h"
#include "fuzz/checks/BoardInvariants.h"
#include "game/Game.h"
#include "game/SavedGame.h"

#include "support/ScratchWorkDir.h"

namespace {

namespace fs = std::filesystem;

// A scratch working directory with one small pattern, for pattern fields.
class SavedGameFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory("Patterns");
    std::ofstream("Patterns/crosses.tes") << "102\nx\nCrosses and holes\n\n0\n0\n3\n3\n3\n3\n-1-\n111\n-1#\n";
  }
  TScratchWorkDir Scratch;
  const fs::path& Dir = Scratch.Path();
};

struct TKind {
  const char* Name;
  int Columns, Rows;
  int CellSize = 10, Linking = 0, Holes = 0, PatternID = 0;
  bool Timed = false, NoGuess = false;
};

TGameRecord RecordOf(const TKind& kind) {
  TGameRecord record;
  record.SetPlayerName("Keeper");
  record.SizeX = kind.Columns;
  record.SizeY = kind.Rows;
  record.MinePopulation = 70;
  record.CellSize = kind.CellSize;
  record.ShapeThreshold = 10;
  record.Linking = kind.Linking;
  record.Holes = kind.Holes;
  record.GameSpeed = 7;
  record.TimedGame = kind.Timed ? 1 : 0;
  record.PatternFlag = kind.PatternID ? 1 : 0;
  record.PatternID = kind.PatternID;
  return record;
}

// The first cell, in reading order, of an area that wanted picks.
bool FindCell(const TGame& game, const std::function<bool(const TAreaProperties&)>& wanted, int& column, int& row) {
  const TBoard& board = *game.Board();
  for (row = 1; row <= board.SizeY(); ++row)
    for (column = 1; column <= board.SizeX(); ++column)
      if (wanted(*board.AreaAt(column, row))) return true;
  return false;
}

void PlayClick(TGame& game, TPlayButton button, int column, int row) {
  game.Press(button, column, row);
  game.Release(button, column, row);
}

bool CoveredSafe(const TAreaProperties& a) { return !a.Mine && !a.Hole && !a.Uncovered && !a.Marked; }
bool CoveredMine(const TAreaProperties& a) { return a.Mine && !a.Marked; }

// A few moves of every kind: uncovers, a mark, a tint, a lifeline spent on
// a mine and one left armed, the clock run on, hints taken.
void PlaySome(TGame& game) {
  int column = 0, row = 0;
  if (FindCell(game, CoveredSafe, column, row)) PlayClick(game, pb_Left, column, row);
  if (FindCell(game, CoveredMine, column, row)) PlayClick(game, pb_Right, column, row);
  if (FindCell(game, CoveredSafe, column, row)) {
    game.Press(pb_Left, column, row);
    game.Press(pb_Right, column, row);
    game.Release(pb_Left, column, row);
  }
  game.ToggleLifeline();
  if (FindCell(game, CoveredMine, column, row)) PlayClick(game, pb_Left, column, row);
  for (int tick = 0; tick < 37; ++tick) game.TickClock();
  game.ToggleLifeline();
  game.SetHintsUsed(3);
}

TEST_F(SavedGameFiles, ARoundTripBringsBackEveryFieldOfTheBoardAndTheGameOnFieldsOfEveryKind) {
  const TKind kinds[] = {
      {"plain", 9, 9},
      {"shaped", 30, 20, 35},
      {"linked", 24, 16, 10, 40},
      {"holed", 20, 20, 10, 0, 60},
      {"pattern", 22, 17, 10, 0, 0, 102},
      {"every feature, timed", 147, 98, 40, 30, 20, 0, true},
      {"no guessing", 16, 16, 10, 0, 0, 0, false, true},
      {"pattern, linked, timed, no guessing", 40, 25, 10, 25, 10, 102, true, true},
  };
  int seed = 7;
  for (const TKind& kind : kinds) {
    SCOPED_TRACE(kind.Name);
    TGame game;
    game.SetNoGuess(kind.NoGuess);
    RandSeed(++seed);
    game.Start(RecordOf(kind));
    PlaySome(game);
    ASSERT_TRUE(game.Active()) << "the moves ended the game";
    const TGameImage image = game.Image();
    const std::string bytes = EncodeSavedGame(image);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());

    TGameImage decoded;
    ASSERT_TRUE(DecodeSavedGame({data, bytes.size()}, decoded));
    EXPECT_TRUE(decoded == image);
    TGame restored;
    ASSERT_TRUE(restored.Restore(decoded));
    EXPECT_TRUE(restored.Active());
    EXPECT_TRUE(restored.Image() == image);
    EXPECT_EQ(EncodeSavedGame(restored.Image()), bytes);
    EXPECT_EQ(board_checks::CheckBoard(*restored.Board()), "");
    EXPECT_NE(restored.Serial(), 0u);

    // The indexes the board rebuilt play as the ones generation made: the
    // same moves, the flood and the numbers included, give the same game.
    RandSeed(99);
    PlaySome(game);
    RandSeed(99);
    PlaySome(restored);
    EXPECT_TRUE(restored.Image() == game.Image());
  }
}

TEST_F(SavedGameFiles, TheLargestFieldFitsTheLargestFileAndFieldsOfOneCellAreaEachToo) {
  TKind largest{"plain largest", 148, 100};
  TGame game;
  RandSeed(3);
  game.Start(RecordOf(largest));
  PlaySome(game);
  const std::string bytes = EncodeSavedGame(game.Image());
  EXPECT_EQ(bytes.size(), MaxSavedGameSize);
  TGameImage decoded;
  ASSERT_TRUE(DecodeSavedGame({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, decoded));
  TGame restored;
  EXPECT_TRUE(restored.Restore(decoded));
}

// A change to a sound file, and whether its checksum is then made right
// again (a hostile file) or left (a damaged one).
struct TSpoil {
  const char* What;
  std::function<void(std::string& bytes)> Change;
  bool Reseal = true;
};

void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (8 * i));
}
std::uint32_t GetU32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= std::uint32_t(std::uint8_t(bytes[at + i])) << (8 * i);
  return value;
}
void Reseal(std::string& bytes) {
  if (bytes.size() < SavedChecksumSize) return;
  PutU32(bytes, 12, std::uint32_t(bytes.size()));
  PutU32(bytes, bytes.size() - 4,
         SavedGameChecksum({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
}

// Offsets of the parts the spoils reach (docs/SavedGame.md).
constexpr std::size_t Areas = SavedGameHeaderSize;
std::size_t CellsAt(const std::string& bytes) { return Areas + SavedAreaSize * GetU32(bytes, 140); }
std::size_t AreaOfCell(const std::string& bytes, std::size_t cell) {
  const std::size_t at = CellsAt(bytes) + SavedCellSize * cell;
  return std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8;
}
// The first area whose flag byte has these bits set and those clear.
std::size_t AreaWith(const std::string& bytes, std::uint8_t set, std::uint8_t clear) {
  for (std::size_t a = 0; a < GetU32(bytes, 140); ++a) {
    const std::uint8_t flags = std::uint8_t(bytes[Areas + SavedAreaSize * a + 8]);
    if ((flags & set) == set && (flags & clear) == 0) return a;
  }
  return 0;
}
void SetAreaFlags(std::string& bytes, std::size_t area, std::uint8_t flags) {
  bytes[Areas + SavedAreaSize * area + 8] = char(flags);
}

TEST_F(SavedGameFiles, AFileThatIsNotAGameTheProgramCouldHaveWrittenIsRefusedWhole) {
  TKind kind{"holed and linked", 14, 12, 25, 30, 80};
  TGame game;
  RandSeed(41);
  game.Start(RecordOf(kind));
  PlaySome(game);
  const std::string sound = EncodeSavedGame(game.Image());
  enum : std::uint8_t { Uncovered = 1, Exposed = 2, Marked = 4, Hole = 8, Mine = 16 };

  const std::vector<TSpoil> spoils = {
      {"empty", [](std::string& b) { b.clear(); }, false},
      {"cut short", [](std::string& b) { b.resize(b.size() - 9); }, false},
      {"cut short, resealed", [](std::string& b) { b.resize(b.size() - 3); }},
      {"one byte flipped", [](std::string& b) { b[b.size() / 2] ^= 0x10; }, false},
      {"another magic word", [](std::string& b) { b[0] = 'X'; }},
      {"a later version", [](std::string& b) { PutU32(b, 8, SavedGameVersion + 1); }},
      {"a size it does not have", [](std::string& b) { b += std::string(12, '\0'); }},
      {"a field wider than the grid", [](std::string& b) { PutU32(b, 132, 149); }},
      {"a field of no rows", [](std::string& b) { PutU32(b, 136, 0); }},
      {"more areas than cells", [](std::string& b) { PutU32(b, 140, 14 * 12 + 1); }},
      {"a cell in an area past the list", [](std::string& b) { b[CellsAt(b) + 4 * SavedCellSize] = char(0xFF); b[CellsAt(b) + 4 * SavedCellSize + 1] = char(0xFF); }},
      {"an area that holds no cell",
       [](std::string& b) {
         const std::size_t area = AreaOfCell(b, 0);
         // Cell 0's area given to cell 0's neighbour's: the area may keep others.
         for (std::size_t c = 0; c < 14u * 12; ++c)
           if (AreaOfCell(b, c) == area) {
             const std::size_t at = CellsAt(b) + SavedCellSize * c;
             b[at] = char(area == 0 ? 1 : 0);
             b[at + 1] = 0;
           }
       }},
      {"a hole that holds a mine", [](std::string& b) { SetAreaFlags(b, AreaWith(b, Hole, 0), Hole | Mine); }},
      {"an area marked and uncovered", [](std::string& b) { SetAreaFlags(b, AreaWith(b, Uncovered, 0), Uncovered | Marked); }},
      {"a shown area without a mine", [](std::string& b) { SetAreaFlags(b, AreaWith(b, 0, Mine | Hole), Exposed); }},
      {"a flag byte past its bits", [](std::string& b) { b[Areas + 8] |= 0x40; }},
      {"a colour past 24 bits", [](std::string& b) { b[Areas + 3] = 1; }},
      {"a number the mines do not make", [](std::string& b) { b[Areas + 6] = char(b[Areas + 6] + 1); }},
      {"an edge the areas do not draw", [](std::string& b) {
         for (std::size_t c = 0;; ++c) {
           const std::size_t area = AreaOfCell(b, c);
           if (std::uint8_t(b[Areas + SavedAreaSize * area + 8]) & Hole) continue;
           b[CellsAt(b) + SavedCellSize * c + 2] ^= 2;  // the top edge
           return;
         }
       }},
      {"a playable area without its label cell", [](std::string& b) {
         for (std::size_t c = 0; c < 14u * 12; ++c) b[CellsAt(b) + SavedCellSize * c + 2] &= ~1;
       }},
      {"a reserved byte set", [](std::string& b) { b[147] = 1; }},
      {"a flag of the game neither 0 nor 1", [](std::string& b) { b[129] = 2; }},
      {"a reserved byte of the game record set", [](std::string& b) { b[16 + 90] = 1; }},
      {"three lifelines", [](std::string& b) { PutU32(b, 120, 3); }},
      {"a lifeline armed with none left", [](std::string& b) { PutU32(b, 120, 0); b[128] = 1; b[145] = 1; }},
      {"the field's lifeline not the game's", [](std::string& b) { b[145] ^= 1; }},
      {"hints below none", [](std::string& b) { PutU32(b, 124, 0xFFFFFFFF); }},
      {"an untimed clock below zero", [](std::string& b) { PutU32(b, 112, 0xFFFFFFF0); }},
      {"a guess needed before the mines were laid", [](std::string& b) { b[129] = 0; b[130] = 1; }},
  };
  for (const TSpoil& spoil : spoils) {
    SCOPED_TRACE(spoil.What);
    std::string bytes = sound;
    spoil.Change(bytes);
    if (spoil.Reseal) Reseal(bytes);
    ASSERT_NE(bytes, sound);
    TGameImage image;
    TGame other;
    RandSeed(5);
    other.Start(RecordOf({"a game in play", 9, 9}));
    const TGameImage before = other.Image();
    const bool decoded = DecodeSavedGame({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, image);
    EXPECT_FALSE(decoded && other.Restore(image));
    EXPECT_TRUE(other.Image() == before) << "a refused file changed the game in play";
  }
}

}  // namespace
