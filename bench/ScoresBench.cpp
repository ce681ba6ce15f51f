#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "scores/ScoreTable.h"

namespace {

namespace fs = std::filesystem;

// A score table of 100 000 games with settings spread like real play, made
// once in a temporary directory for the whole run and removed at exit. With
// rising scores every game beats the list's last row, so each one goes
// through the match filter and most through an insertion: the worst case.
class TBigScoreTable {
 public:
  static constexpr int Games = 100000;

  explicit TBigScoreTable(bool risingScores)
      : Dir(fs::temp_directory_path() /
            ("quorlane-bench-" + std::to_string(std::random_device()()))) {
    fs::create_directories(Dir);
    std::mt19937 random(4242);
    std::string content;
    content.reserve(std::size_t{Games} * GameRecordSize);
    for (int i = 0; i < Games; ++i) {
      TGameRecord game = RandomGame(random, i);
      if (risingScores) game.Score = i + 1;
      const TRecordBytes bytes = EncodeRecord(game);
      content.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    if (std::FILE* file = std::fopen(Path().c_str(), "wb")) {
      std::fwrite(content.data(), 1, content.size(), file);
      std::fclose(file);
    }
  }
  ~TBigScoreTable() {
    std::error_code ignored;
    fs::remove_all(Dir, ignored);
  }

  std::string Path() const { return (Dir / ScoresFile).string(); }

 private:
  static TGameRecord RandomGame(std::mt19937& random, int serial) {
    TGameRecord r;
    r.SetPlayerName(random() % 4 ? "Ann" : "Bob");
    r.Score = static_cast<std::int32_t>(random() % 3000) - 500;
    r.Clock = serial;
    r.SizeX = 9 + static_cast<std::int32_t>(random() % 20);
    r.SizeY = 9 + static_cast<std::int32_t>(random() % 12);
    r.MinePopulation = static_cast<std::int32_t>(random() % 201);
    r.Holes = static_cast<std::int32_t>(random() % 101);
    r.CellSize = 10 + static_cast<std::int32_t>(random() % 81);
    r.Linking = static_cast<std::int32_t>(random() % 91);
    r.ShapeThreshold = 10;
    r.GameSpeed = static_cast<std::int32_t>(random() % 21);
    r.TimedGame = random() % 2;
    return r;
  }

  fs::path Dir;
};

const TBigScoreTable& RandomScoreTable() {
  static const TBigScoreTable table(false);
  return table;
}

const TBigScoreTable& RisingScoreTable() {
  static const TBigScoreTable table(true);
  return table;
}

// One rebuild of the score screen's list: 46 rows, the match filter on.
void LoadScores(benchmark::State& state, const TBigScoreTable& table) {
  const std::string path = table.Path();
  std::array<TGameRecord, 1 + MaxScoreRows> rows;
  rows[0].SizeX = rows[0].SizeY = 15;
  rows[0].MinePopulation = 100;
  rows[0].Holes = 20;
  rows[0].CellSize = 40;
  rows[0].Linking = 20;
  rows[0].ShapeThreshold = 10;
  const TScoreFilter filter{false, "Ann", 20};
  for (auto _ : state) {
    LoadScoreRows(path, rows, 46, filter);
    benchmark::DoNotOptimize(rows.data());
  }
}
void BM_LoadScores100k(benchmark::State& state) { LoadScores(state, RandomScoreTable()); }
BENCHMARK(BM_LoadScores100k)->Unit(benchmark::kMillisecond);

void BM_LoadScores100kRising(benchmark::State& state) { LoadScores(state, RisingScoreTable()); }
BENCHMARK(BM_LoadScores100kRising)->Unit(benchmark::kMillisecond);

}  // namespace
