// Writes the seed corpus of the record and name readers with the game's own
// code, so that the fuzzers start from files the game really writes:
//   build-fuzz/make_corpus fuzz/corpus
// The pattern library and the about picture are copied by run-fuzzers.sh.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/Random.h"
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
  return 0;
}
