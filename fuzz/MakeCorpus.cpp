// Writes the seed corpus of the record and name readers with the game's own
// code, so that the fuzzers start from files the game really writes:
//   build-fuzz/make_corpus fuzz/corpus
// Run it from the top of the source tree: the saved games include a field of
// the shipped pattern 101. The pattern library and the about picture are
// copied by run-fuzzers.sh.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/Random.h"
#include "game/Game.h"
#include "game/SavedGame.h"
#include "scores/ScoreTable.h"
#include "settings/GameRecord.h"
#include "settings/PlayerNames.h"

namespace fs = std::filesystem;

namespace {

// The ten quick settings and a few custom games, as the dialog builds them.
std::vector<TGameRecord> DialogRecords() {
  struct TQuick { int Mines, Holes, SizeX, SizeY, Linking, CellSize; };
  const TQuick quick[] = {{40, 0, 9, 9, 0, 10},    {65, 0, 11, 11, 0, 10},  {80, 10, 15, 15, 0, 10},
                          {55, 0, 15, 15, 0, 20},  {75, 3, 34, 23, 0, 50},  {75, 3, 34, 23, 10, 50},
                          {60, 3, 34, 23, 30, 20}, {65, 3, 34, 23, 30, 40}, {70, 3, 42, 28, 37, 60},
                          {80, 5, 58, 39, 50, 60}};
  std::vector<TGameRecord> records;
  int i = 0;
  for (const TQuick& q : quick) {
    TGameRecord r;
    r.SetPlayerName(i % 3 == 0 ? "Ann" : i % 3 == 1 ? "Bob" : "Zo\xEB");
    r.SizeX = q.SizeX;
    r.SizeY = q.SizeY;
    r.MinePopulation = q.Mines;
    r.Holes = q.Holes;
    r.Linking = q.Linking;
    r.CellSize = q.CellSize;
    r.ShapeThreshold = 10;
    r.GameSpeed = 7 + i % 5;
    r.TimedGame = i % 2;
    records.push_back(r);
    ++i;
  }
  TGameRecord pattern = records[2];
  pattern.PatternFlag = 1;
  pattern.PatternID = 101;
  records.push_back(pattern);
  TGameRecord largest = records[9];
  largest.SizeX = 147;
  largest.SizeY = 98;
  records.push_back(largest);
  return records;
}

// Each record as it ends a game: a score and a clock from a real field.
void Finish(TGameRecord& record, int game) {
  TBoard board;
  RandSeed(game);
  std::int32_t clock = 0, score = 0;
  board.Generate(record, clock, score);
  board.Uncover(1 + game % record.SizeX, 1 + game % record.SizeY, 23, score, clock, record.Timed());
  record.Score = score + game * 7;
  record.Clock = clock;
}

void WriteLastGames(const fs::path& dir, const std::vector<TGameRecord>& records) {
  fs::create_directories(dir);
  for (std::size_t i = 0; i < records.size(); ++i)
    SaveLastGameFile((dir / ("lastgame-" + std::to_string(i) + ".dat")).string(), records[i]);
}

void WriteScores(const fs::path& dir, std::vector<TGameRecord> records) {
  fs::create_directories(dir);
  const std::string many = (dir / "scores-many.dat").string();
  const std::string few = (dir / "scores-few.dat").string();
  fs::remove(many);
  fs::remove(few);
  for (int round = 0; round < 5; ++round)
    for (std::size_t i = 0; i < records.size(); ++i) {
      TGameRecord r = records[i];
      Finish(r, round * 100 + int(i));
      AppendScore(many, r);
      if (round == 0 && i < 4) AppendScore(few, r);
    }
}

void WriteNames(const fs::path& dir) {
  fs::create_directories(dir);
  WriteSavedNames((dir / "names-few.txt").string(), {"Ann", "Bob", "Zo\xEB", "", "Remember"});
  WriteSavedNames((dir / "names-one.txt").string(), {"A very long player name indeed"});
}

// Saved games of small fields of every kind in the middle of play: a first
// uncover, a mark, a lifeline spent or armed, the clock run on.
void WriteSavedGames(const fs::path& dir, const std::vector<TGameRecord>& records) {
  fs::create_directories(dir);
  const std::size_t picks[] = {0, 2, 3, 6, 10};  // plain, holes, shaped, linked, pattern
  int n = 0;
  for (const std::size_t pick : picks) {
    TGame game;
    game.SetNoGuess(n % 2 == 1);
    RandSeed(500 + n);
    game.Start(records[pick]);
    const TBoard& board = *game.Board();
    auto click = [&](TPlayButton button, int column, int row) {
      game.Press(button, column, row);
      game.Release(button, column, row);
    };
    click(pb_Left, (board.SizeX() + 1) / 2, (board.SizeY() + 1) / 2);
    if (n >= 2) game.ToggleLifeline();
    for (int row = 1; row <= board.SizeY(); ++row)
      for (int column = 1; column <= board.SizeX(); ++column)
        if (board.AreaAt(column, row)->Mine && !board.AreaAt(column, row)->Marked && (row + column + n) % 3 == 0)
          click(pb_Right, column, row);
    for (int tick = 0; tick < 50 + n; ++tick) game.TickClock();
    if (!game.Active()) continue;
    const std::string bytes = EncodeSavedGame(game.Image());
    std::FILE* file = std::fopen((dir / ("savedgame-" + std::to_string(n++) + ".dat")).c_str(), "wb");
    if (!file) continue;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS-DIRECTORY\n", argv[0]);
    return 2;
  }
  const fs::path corpus = argv[1];
  const std::vector<TGameRecord> records = DialogRecords();
  WriteLastGames(corpus / "fuzz_lastgame", records);
  WriteScores(corpus / "fuzz_scores", records);
  WriteNames(corpus / "fuzz_names");
  WriteSavedGames(corpus / "fuzz_savedgame", records);
  return 0;
}
