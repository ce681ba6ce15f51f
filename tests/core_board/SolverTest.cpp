#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "BoardTestSupport.h"
#include "FieldKinds.h"
#include "board/AreaGraph.h"
#include "board/BoardView.h"
#include "board/Solver.h"

namespace {

// A small field of the kind, with a density of mines from a few to many.
TGameRecord SmallRecord(TFieldKind kind, std::mt19937& draw) {
  const int columns = std::uniform_int_distribution<int>(4, 9)(draw);
  const int rows = std::uniform_int_distribution<int>(4, 8)(draw);
  TGameRecord record = KindRecord(kind, columns, rows, draw);
  record.MinePopulation = std::uniform_int_distribution<int>(40, 160)(draw);
  return record;
}

// The playable areas touching an area, found from the cells the plain way.
std::set<const TAreaProperties*> Touching(const TBoard& board, const TAreaProperties* area) {
  std::set<const TAreaProperties*> touching;
  for (const auto& [column, row] : CellsOf(board, area))
    for (int dc = -1; dc <= 1; ++dc)
      for (int dr = -1; dr <= 1; ++dr)
        if (board.OnField(column + dc, row + dr)) {
          const TAreaProperties* other = board.AreaAt(column + dc, row + dr);
          if (other != area && !other->Hole) touching.insert(other);
        }
  return touching;
}

// What the player sees of a field in play: its uncovered areas and the mines
// defused on the way, which are certain.
struct TView {
  std::vector<std::uint8_t> CertainMine;
};

// Plays a few uncovers on safe areas, as a player might, and defuses a mine
// or two now and then.
TView PlayAFewMoves(TBoard& board, std::mt19937& draw) {
  TView view;
  view.CertainMine.assign(board.Areas().size(), 0);
  std::int32_t score = 100, clock = 0;
  const int moves = std::uniform_int_distribution<int>(1, 4)(draw);
  for (int move = 0; move < moves; ++move) {
    const int column = std::uniform_int_distribution<int>(1, board.SizeX())(draw);
    const int row = std::uniform_int_distribution<int>(1, board.SizeY())(draw);
    TAreaProperties* area = board.AreaAt(column, row);
    if (area->Mine) {
      if (draw() % 2) view.CertainMine[board.AreaNumberAt(column, row)] = 1;
    } else {
      board.Uncover(column, row, 0, score, clock, false);
    }
  }
  return view;
}

// Plays on from the view with the safe areas that numbers alone and in
// pairs find, uncovered on the board, until they find nothing more: the
// views where only a window can still tell something.
void PlayUntilPairsStop(TBoard& board, const TView& view) {
  const TAreaGraph graph(board);
  TSolver solver(graph, TSolver::rc_Pairs);
  std::int32_t score = 100, clock = 0, area = 0;
  for (bool more = true; more;) {
    ShowUncovered(board, solver);
    for (std::size_t i = 0; i < board.Areas().size(); ++i)
      if (view.CertainMine[i]) solver.KnowMine(std::int32_t(i));
    more = solver.Deduce();
    while (solver.TakeSafe(area)) {
      const auto [column, row] = CellsOf(board, board.Areas()[area].get()).front();
      board.Uncover(column, row, 0, score, clock, false);
    }
  }
}

// Every placement of mines on the covered areas next to the uncovered ones
// that gives each uncovered area its number; the areas further away are
// free either way. Returns false when there are too many such areas.
struct TBruteForce {
  std::vector<int> Frontier;  // area numbers
  std::uint32_t AlwaysSafe = 0, AlwaysMine = 0;
  bool Consistent = false;
};

bool BruteForce(const TBoard& board, const TView& view, TBruteForce& result) {
  const auto& areas = board.Areas();
  std::map<const TAreaProperties*, int> numberOf;
  for (std::size_t i = 0; i < areas.size(); ++i) numberOf[areas[i].get()] = int(i);
  std::map<int, int> bitOf;
  struct TNumber {
    std::uint32_t Mask = 0;
    int Need = 0;
  };
  std::vector<TNumber> numbers;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    if (!areas[i]->Uncovered) continue;
    TNumber number{0, areas[i]->MineCount};
    for (const TAreaProperties* other : Touching(board, areas[i].get())) {
      const int j = numberOf[other];
      if (other->Uncovered) continue;
      if (view.CertainMine[j]) {
        --number.Need;
        continue;
      }
      if (!bitOf.count(j)) {
        if (bitOf.size() == 16) return false;
        const int bit = int(bitOf.size());
        bitOf[j] = bit;
        result.Frontier.push_back(j);
      }
      number.Mask |= 1u << bitOf[j];
    }
    numbers.push_back(number);
  }
  const std::uint32_t all = (1u << result.Frontier.size()) - 1;
  std::uint32_t seenMine = 0, seenSafe = 0;
  for (std::uint32_t laid = 0; laid <= all; ++laid) {
    bool fits = true;
    for (const TNumber& number : numbers) fits = fits && std::popcount(laid & number.Mask) == number.Need;
    if (!fits) continue;
    result.Consistent = true;
    seenMine |= laid;
    seenSafe |= ~laid & all;
  }
  result.AlwaysSafe = all & ~seenMine;
  result.AlwaysMine = all & ~seenSafe;
  return true;
}

// The solver told what the view shows, reasoning until nothing follows.
void SolveView(const TBoard& board, const TView& view, TSolver& solver) {
  ShowUncovered(board, solver);
  for (std::size_t i = 0; i < board.Areas().size(); ++i)
    if (view.CertainMine[i]) solver.KnowMine(std::int32_t(i));
  std::int32_t ignored = 0;
  while (solver.Deduce())
    while (solver.TakeSafe(ignored)) {
    }
}

// How one view came out: whether every certain area was found, and how many.
struct TTally {
  int Views = 0, Complete = 0, Certain = 0, Found = 0;
  double Share() const { return 100.0 * Complete / std::max(Views, 1); }
};

// Checks the solver's facts against the truth and the brute force.
void Compare(const TBoard& board, const TView& view, const TBruteForce& brute, const TSolver& solver,
             const std::string& where, TTally& tally) {
  bool all = true;
  for (std::size_t i = 0; i < board.Areas().size(); ++i) {
    const TAreaProperties& area = *board.Areas()[i];
    const TAreaFact fact = solver.Fact(std::int32_t(i));
    EXPECT_FALSE(fact == af_Safe && area.Mine) << where << " area " << i;
    EXPECT_FALSE(fact == af_Mine && !area.Mine) << where << " area " << i;
    if (area.Uncovered || view.CertainMine[i]) continue;
    const auto at = std::find(brute.Frontier.begin(), brute.Frontier.end(), int(i)) - brute.Frontier.begin();
    const bool inFrontier = std::size_t(at) < brute.Frontier.size();
    const bool safe = inFrontier && (brute.AlwaysSafe >> at & 1u);
    const bool mine = inFrontier && (brute.AlwaysMine >> at & 1u);
    EXPECT_FALSE(fact == af_Safe && !safe) << where << " area " << i;
    EXPECT_FALSE(fact == af_Mine && !mine) << where << " area " << i;
    tally.Certain += safe || mine;
    tally.Found += (safe && fact == af_Safe) || (mine && fact == af_Mine);
    all = all && (!safe || fact == af_Safe) && (!mine || fact == af_Mine);
  }
  ++tally.Views;
  tally.Complete += all;
}

}  // namespace

// On many small fields of every kind, in views reached by a few moves and
// in views where pairs of numbers stop after playing on, what it calls safe or a
// mine is so in every placement consistent with the view. With its windows
// it finds all that is certain in nearly every view; numbers alone and in
// pairs find most of it.
TEST(Solver, IsSoundAndFindsWhatIsCertainOnSmallFieldsOfEveryKind) {
  TScratchDir dir;
  WriteKindPatterns(dir);
  std::mt19937 draw(16);
  for (int kind = 0; kind < fk_Kinds; ++kind) {
    TTally windows, pairs;
    for (int field = 0; windows.Views < 300 && field < 3000; ++field) {
      TBoard board;
      RandSeed(std::uint64_t(kind) * 100000 + std::uint64_t(field));
      Generate(board, SmallRecord(TFieldKind(kind), draw));
      const TView view = PlayAFewMoves(board, draw);
      if (field % 2) PlayUntilPairsStop(board, view);
      TBruteForce brute;
      if (!BruteForce(board, view, brute) || brute.Frontier.empty()) continue;
      ASSERT_TRUE(brute.Consistent);
      const TAreaGraph graph(board);
      const std::string where = std::string(FieldKindNames[kind]) + " field " + std::to_string(field);
      TSolver full(graph), paired(graph, TSolver::rc_Pairs);
      SolveView(board, view, full);
      SolveView(board, view, paired);
      Compare(board, view, brute, full, where, windows);
      Compare(board, view, brute, paired, where + " (pairs)", pairs);
    }
    std::printf("[ solver   ] %-7s %d views, every certain area found in %.1f%% (%d of %d areas); "
                "by pairs alone %.1f%% (%d areas)\n",
                FieldKindNames[kind], windows.Views, windows.Share(), windows.Found, windows.Certain,
                pairs.Share(), pairs.Found);
    EXPECT_GE(windows.Views, 200) << FieldKindNames[kind];
    EXPECT_GE(windows.Complete, windows.Views * 99 / 100) << FieldKindNames[kind];
    EXPECT_GE(pairs.Complete, pairs.Views * 3 / 4) << FieldKindNames[kind];
  }
}
