#include <benchmark/benchmark.h>

#include <vector>

#include "board/AreaGraph.h"
#include "board/BoardView.h"
#include "board/Random.h"
#include "board/Solver.h"
#include "game/Game.h"

namespace {

// The largest field with every feature on: shaped cells and links as quick
// setting 10 has them, holes and mines at the dialog's defaults.
TGameRecord AllFeaturesLargestRecord() {
  TGameRecord record;
  record.SizeX = 147;
  record.SizeY = 98;
  record.MinePopulation = 80;
  record.CellSize = 60;
  record.ShapeThreshold = 10;
  record.Linking = 50;
  record.Holes = 10;
  return record;
}

TPlayResult ClickArea(TGame& game, TPlayButton button, std::int32_t area) {
  const auto [column, row] = game.Board()->CellOfArea(area);
  game.Press(button, column, row);
  return game.Release(button, column, row);
}

// A game on the largest field, its first uncover at the centre, then
// played as a careful player plays it: the areas the solver finds safe
// uncovered and the mines it finds marked, through the game's own
// commands, with a lucky guess (a safe area at random) wherever the solver
// is stuck, until the share of the safe areas asked for is open. Played on
// to where the solver is stuck again when asked.
void PlayToShare(TGame& game, bool noGuess, double share, bool untilStuck) {
  game.SetNoGuess(noGuess);
  game.Start(AllFeaturesLargestRecord());
  TBoard& board = *game.Board();
  for (int column = board.SizeX() / 2, row = board.SizeY() / 2;; ++column)
    if (!board.AreaAt(column, row)->Hole) {
      game.Press(pb_Left, column, row);
      game.Release(pb_Left, column, row);
      break;
    }
  std::vector<std::int32_t> safe;
  for (std::int32_t a = 0; a < std::int32_t(board.Areas().size()); ++a)
    if (!board.Areas()[a]->Mine && !board.Areas()[a]->Hole) safe.push_back(a);
  const std::int32_t wanted = std::int32_t(double(safe.size()) * share);
  auto open = [&] {
    std::int32_t uncovered = 0;
    for (const TAreaRef& area : board.Areas()) uncovered += area->Uncovered;
    return uncovered;
  };
  const TAreaGraph graph(board);
  TSolver solver(graph);
  std::int32_t area = 0;
  while (game.Active()) {
    ShowUncovered(board, solver);
    const bool more = solver.Deduce();
    bool played = false;
    while ((untilStuck || open() < wanted) && solver.TakeSafe(area)) played = ClickArea(game, pb_Left, area) != pr_Nothing;
    while (solver.TakeMine(area))
      if (!board.Areas()[area]->Marked) played = ClickArea(game, pb_Right, area) != pr_Nothing;
    if (more || played) {
      if (!untilStuck && open() >= wanted) return;
      continue;
    }
    if (open() >= wanted) return;
    for (;;) {  // stuck: a lucky guess
      const std::int32_t guess = safe[RandInt(int(safe.size()))];
      if (board.Areas()[guess]->Uncovered) continue;
      ClickArea(game, pb_Left, guess);
      break;
    }
  }
}

// One hint halfway through a No-Guessing game on the largest field with
// every feature on. Each repetition is one hint from the same position
// (the first also makes the field's graph, which the game then keeps).
void BM_HintLargest(benchmark::State& state) {
  RandSeed(2525);
  TGame game;
  PlayToShare(game, true, 0.5, false);
  THint hint;
  for (auto _ : state) hint = game.Hint();
  state.counters["kind"] = hint.Kind;
  state.counters["proof"] = double(hint.Proof.size());
}
BENCHMARK(BM_HintLargest)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same field made the ordinary way, half played and then played on
// until the solver's quick rules find nothing more: the hint then searches
// every way the numbers allow, up to its bound of a second.
void BM_HintLargestWhereOnlyTheExactSearchCanTell(benchmark::State& state) {
  RandSeed(2626);
  TGame game;
  PlayToShare(game, false, 0.5, true);
  THint hint;
  for (auto _ : state) hint = game.Hint();
  state.counters["kind"] = hint.Kind;
  state.counters["proof"] = double(hint.Proof.size());
  state.counters["active"] = game.Active();
  std::int32_t open = 0;
  for (const TAreaRef& area : game.Board()->Areas()) open += area->Uncovered;
  state.counters["open"] = open;
  state.counters["areas"] = double(game.Board()->Areas().size());
}
BENCHMARK(BM_HintLargestWhereOnlyTheExactSearchCanTell)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
