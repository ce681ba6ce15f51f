#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "board/Random.h"
#include "game/Game.h"
#include "game/SavedGame.h"
#include "game/SavedGameSlot.h"

namespace {

namespace fs = std::filesystem;

// The largest field with every feature on (shaped cells, links, holes, a
// timed clock, No Guessing) in the middle of a game: the first uncover
// flooded, a lifeline spent on a mine, a few hundred areas marked or
// uncovered, the clock run on.
void PlayLargestGame(TGame& game) {
  TGameRecord record;
  record.SetPlayerName("Bench");
  record.SizeX = 147;
  record.SizeY = 98;
  record.MinePopulation = 70;
  record.Holes = 20;
  record.CellSize = 30;
  record.ShapeThreshold = 10;
  record.Linking = 30;
  record.TimedGame = 1;
  record.GameSpeed = 7;
  RandSeed(2028);
  game.SetNoGuess(true);
  game.Start(record);
  const TBoard& board = *game.Board();
  auto click = [&](TPlayButton button, int column, int row) {
    game.Press(button, column, row);
    game.Release(button, column, row);
  };
  click(pb_Left, 74, 49);
  std::mt19937 random(7);
  for (int move = 0; move < 400 && game.Active(); ++move) {
    const int column = 1 + int(random() % 147), row = 1 + int(random() % 98);
    const TAreaProperties& area = *board.AreaAt(column, row);
    if (area.Uncovered || area.Hole) continue;
    if (move == 200) game.ToggleLifeline();
    click(area.Mine ? pb_Right : pb_Left, column, row);
  }
  for (int tick = 0; tick < 600; ++tick) game.TickClock();
}

// A folder of its own for the run. Saving flushes the file to the disk
// before it takes the old one's place; on a folder in memory (/dev/shm) the
// flush costs nothing, so what is measured there is the game's own work.
class TBenchFolder {
 public:
  explicit TBenchFolder(bool inMemory) {
    const fs::path base = inMemory && fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    Dir = base / ("quorlane-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(Dir);
  }
  ~TBenchFolder() {
    std::error_code ignored;
    fs::remove_all(Dir, ignored);
  }
  std::string File() const { return (Dir / SavedGameFile).string(); }

 private:
  fs::path Dir;
};

void SaveLargest(benchmark::State& state, bool inMemory) {
  static TGame game;
  if (!game.Active()) PlayLargestGame(game);
  TBenchFolder folder(inMemory);
  TSavedGameSlot slot(folder.File());
  std::int32_t clock = game.Clock();
  for (auto _ : state) {
    // A tick between saves, as in play: every save has something new.
    game.SetClock(++clock);
    benchmark::DoNotOptimize(slot.Write(game));
  }
  state.counters["bytes"] = double(fs::file_size(folder.File()));
}

}  // namespace

// Everything a save does: the image of the game, its encoding and checksum,
// and the whole-file replacement through a temporary file.
static void BM_SaveGameLargest(benchmark::State& state) { SaveLargest(state, true); }
BENCHMARK(BM_SaveGameLargest)->Unit(benchmark::kMillisecond);

// The same on the disk the temporary folder is on, with its two flushes.
static void BM_SaveGameLargestOnDisk(benchmark::State& state) { SaveLargest(state, false); }
BENCHMARK(BM_SaveGameLargestOnDisk)->Unit(benchmark::kMillisecond);

// Everything a start with a saved game does: the lock, the read, every
// check, and the field rebuilt with its indexes.
static void BM_LoadGameLargest(benchmark::State& state) {
  TGame played;
  PlayLargestGame(played);
  TBenchFolder folder(true);
  {
    TSavedGameSlot slot(folder.File());
    slot.Write(played);
  }
  for (auto _ : state) {
    TSavedGameSlot slot(folder.File());
    TGame game;
    if (slot.Open(game) != TSavedGameSlot::so_Restored) state.SkipWithError("the saved game was refused");
  }
}
BENCHMARK(BM_LoadGameLargest)->Unit(benchmark::kMillisecond);
