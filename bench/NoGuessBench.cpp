#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "board/AreaGraph.h"
#include "board/Board.h"
#include "board/BoardView.h"
#include "board/NoGuessPlacement.h"
#include "board/Random.h"
#include "board/Solver.h"

namespace {

// A record with the dialog's thresholds and default densities (mines 80,
// holes 10), on the field size given; shapes, links and the pattern are
// set by the kind.
TGameRecord DefaultRecord(int columns, int rows) {
  TGameRecord record;
  record.SizeX = columns;
  record.SizeY = rows;
  record.MinePopulation = 80;
  record.CellSize = 10;
  record.ShapeThreshold = 10;
  return record;
}

// The largest field with every feature on: shaped cells and links as quick
// setting 10 has them, holes and mines at the dialog's defaults.
TGameRecord AllFeaturesLargest() {
  TGameRecord record = DefaultRecord(147, 98);
  record.CellSize = 60;
  record.Linking = 50;
  record.Holes = 10;
  return record;
}

// The first uncover of a game: a playable cell drawn at random.
std::pair<int, int> FirstUncover(const TBoard& board) {
  for (;;) {
    const int column = RandInt(board.SizeX()) + 1, row = RandInt(board.SizeY()) + 1;
    if (!board.AreaAt(column, row)->Hole) return {column, row};
  }
}

int MinesOn(const TBoard& board) {
  int mines = 0;
  for (const auto& area : board.Areas()) mines += area->Mine;
  return mines;
}

void Generate(TBoard& board, const TGameRecord& record) {
  std::int32_t clock = 0, score = 0;
  board.Generate(record, clock, score);
}

// What the game does at the first uncover with "No Guessing" on.
bool PlaceAtFirstUncover(TBoard& board, int column, int row) {
  const TAreaGraph graph(board);
  const TPlacement placement = PlaceWithoutGuess(graph, board.AreaNumberAt(column, row), MinesOn(board));
  board.LayMines(placement.Mines);
  return placement.Deducible;
}

// A new field for every run, timed from the graph to the mines laid. Each
// repetition is one placement, so the median is that of single placements.
void BM_NoGuessPlaceLargest(benchmark::State& state) {
  static std::uint64_t seed = 160;
  RandSeed(++seed);
  TBoard board;
  Generate(board, AllFeaturesLargest());
  const auto [column, row] = FirstUncover(board);
  bool deducible = false;
  for (auto _ : state) deducible = PlaceAtFirstUncover(board, column, row);
  state.counters["deducible"] = deducible;
}
BENCHMARK(BM_NoGuessPlaceLargest)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(25)->ReportAggregatesOnly(true);

// The plain largest field at the dialog's highest density, where a field
// that needs no guess is out of reach: the search runs to its bound and
// gives the best placement it found.
void BM_NoGuessPlaceLargestCrowded(benchmark::State& state) {
  static std::uint64_t seed = 360;
  RandSeed(++seed);
  TBoard board;
  TGameRecord record = DefaultRecord(147, 98);
  record.MinePopulation = 200;
  Generate(board, record);
  const auto [column, row] = FirstUncover(board);
  bool deducible = false;
  for (auto _ : state) deducible = PlaceAtFirstUncover(board, column, row);
  state.counters["deducible"] = deducible;
}
BENCHMARK(BM_NoGuessPlaceLargestCrowded)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

// The solver alone playing such a field from its first uncover to the last
// mine, the numbers read off the board for every area it finds safe.
void BM_SolveLargest(benchmark::State& state) {
  static std::uint64_t seed = 260;
  RandSeed(++seed);
  TBoard board;
  Generate(board, AllFeaturesLargest());
  const auto [column, row] = FirstUncover(board);
  PlaceAtFirstUncover(board, column, row);
  bool cleared = false;
  for (auto _ : state) {
    const TAreaGraph graph(board);
    TSolver solver(graph);
    solver.Reveal(board.AreaNumberAt(column, row), board.AreaAt(column, row)->MineCount);
    std::int32_t area = 0;
    while (solver.Deduce())
      while (solver.TakeSafe(area)) solver.Reveal(area, board.Areas()[area]->MineCount);
    cleared = solver.KnownMines() == MinesOn(board);
  }
  state.counters["cleared"] = cleared;
}
BENCHMARK(BM_SolveLargest)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(25)->ReportAggregatesOnly(true);

// The kinds of field the share below goes over.
struct TKind {
  const char* Name;
  TGameRecord (*Record)(int columns, int rows, int field);
};

const TKind Kinds[] = {
    {"plain", [](int c, int r, int) { return DefaultRecord(c, r); }},
    {"shaped", [](int c, int r, int) { auto t = DefaultRecord(c, r); t.CellSize = 40; return t; }},
    {"linked", [](int c, int r, int) { auto t = DefaultRecord(c, r); t.Linking = 30; return t; }},
    {"holed", [](int c, int r, int) { auto t = DefaultRecord(c, r); t.Holes = 10; return t; }},
    {"pattern", [](int c, int r, int field) {
       auto t = DefaultRecord(c, r);
       t.PatternFlag = 1;
       t.PatternID = 101 + field % 14;  // the shipped library, in turn
       return t;
     }},
    {"all", [](int c, int r, int) { auto t = DefaultRecord(c, r); t.CellSize = 60; t.Linking = 50; t.Holes = 10; return t; }},
};

// The share of fields made the ordinary way (no placement at the first
// uncover) that the solver's moves clear from a first uncover at random,
// without a second guess: a mine met first is defused by the grace and is
// then known. Reported as counters; the time is of no interest.
void BM_ClearWithoutGuessShare(benchmark::State& state) {
  const TKind& kind = Kinds[state.range(0)];
  const int columns = int(state.range(1)), rows = int(state.range(2));
  const int fields = 200;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(QUORLANE_SOURCE_DIR);  // for the pattern library
  int cleared = 0, openings = 0, openingsCleared = 0;
  for (auto _ : state) {
    cleared = openings = openingsCleared = 0;
    for (int field = 0; field < fields; ++field) {
      RandSeed(std::uint64_t(field) + 1);
      TBoard board;
      Generate(board, kind.Record(columns, rows, field));
      const auto [column, row] = FirstUncover(board);
      const TAreaProperties& first = *board.AreaAt(column, row);
      const bool opening = !first.Mine && first.MineCount == 0;
      const bool clear = PlayByDeduction(board, column, row);
      cleared += clear;
      openings += opening;
      openingsCleared += opening && clear;
    }
  }
  std::filesystem::current_path(previous);
  state.SetLabel(std::string(kind.Name) + " " + std::to_string(columns) + "x" + std::to_string(rows));
  state.counters["cleared_pct"] = 100.0 * cleared / fields;
  // Of the fields whose first uncover happened to show 0.
  state.counters["from_0_pct"] = openings ? 100.0 * openingsCleared / openings : 0.0;
}
BENCHMARK(BM_ClearWithoutGuessShare)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {15}, {15}})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {34}, {23}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
