#include <algorithm>

#include "board/AreaGraph.h"
#include "board/Board.h"
#include "board/Hint.h"

namespace {

// Finds the numbers that prove one claim about one covered area. The
// numbers are taken in rings: first those beside the area, then those
// beside the covered areas of the numbers taken, and so on, so that a
// proof is looked for near the area before further out.
class TProver {
 public:
  TProver(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine);
  std::vector<std::int32_t> Run(TDeadline deadline);

 private:
  bool Uncovered(std::int32_t a) const { return FBoard.Areas()[a]->Uncovered; }
  bool Grow();
  void TakeAll();
  void LeaveOutWhatIsNotNeeded(TDeadline deadline);
  void LookForFewer(std::vector<std::int32_t> pool, TDeadline deadline);
  TSearchAnswer Proves(const std::vector<std::int32_t>& numbers, TDeadline deadline);

  const TBoard& FBoard;
  const TAreaGraph& FGraph;
  const std::int32_t FArea;
  const bool FMine;
  std::vector<std::int32_t> FNumbers;  // taken so far, ring by ring
  std::size_t FRingStart = 0;          // where the last ring begins
  std::vector<std::uint8_t> FTaken;    // per area: a number taken, or a covered area met
  // The search's index of each covered area, for the numbers being tried.
  std::vector<int> FIndexOf;
};

TProver::TProver(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine)
    : FBoard(board), FGraph(graph), FArea(area), FMine(mine) {
  FTaken.assign(std::size_t(graph.AreaCount()), 0);
  FIndexOf.assign(std::size_t(graph.AreaCount()), -1);
  FTaken[area] = 1;
  for (const std::int32_t r : graph.Neighbours(area))
    if (Uncovered(r)) {
      FTaken[r] = 1;
      FNumbers.push_back(r);
    }
}

// The next ring: the numbers beside the covered areas of the last ring's
// numbers. False when there are none: every number joined to the area is
// taken.
bool TProver::Grow() {
  const std::size_t end = FNumbers.size();
  for (std::size_t i = FRingStart; i < end; ++i)
    for (const std::int32_t u : FGraph.Neighbours(FNumbers[i])) {
      if (Uncovered(u) || FTaken[u]) continue;
      FTaken[u] = 1;
      for (const std::int32_t r : FGraph.Neighbours(u))
        if (Uncovered(r) && !FTaken[r]) {
          FTaken[r] = 1;
          FNumbers.push_back(r);
        }
    }
  FRingStart = end;
  return FNumbers.size() > end;
}

void TProver::TakeAll() {
  while (Grow()) {
  }
}

// Whether these numbers alone rule out the area's being the other way.
TSearchAnswer TProver::Proves(const std::vector<std::int32_t>& numbers, TDeadline deadline) {
  TExactSearch search;
  std::vector<std::int32_t> indexed;
  std::vector<int> areas;
  for (const std::int32_t r : numbers) {
    areas.clear();
    for (const std::int32_t u : FGraph.Neighbours(r)) {
      if (Uncovered(u)) continue;
      if (FIndexOf[u] < 0) {
        FIndexOf[u] = search.AddArea();
        indexed.push_back(u);
      }
      areas.push_back(FIndexOf[u]);
    }
    search.AddNumber(areas, FBoard.Areas()[r]->MineCount);
  }
  const int area = FIndexOf[FArea];
  for (const std::int32_t u : indexed) FIndexOf[u] = -1;
  if (area < 0) return sa_No;  // no number bears on it
  const TSearchAnswer answer = search.CanBe(area, FMine ? 0 : 1, deadline);
  return answer == sa_No ? sa_Yes : answer == sa_Yes ? sa_No : sa_OutOfTime;
}

std::vector<std::int32_t> TProver::Run(TDeadline deadline) {
  for (;;) {
    const TSearchAnswer proven = Proves(FNumbers, deadline);
    if (proven == sa_Yes) break;
    if (proven == sa_OutOfTime) {
      TakeAll();
      return FNumbers;
    }
    if (!Grow()) return FNumbers;  // all of them, for a claim they do not prove
  }
  // A proof may also be found among numbers one ring further out.
  Grow();
  std::vector<std::int32_t> pool = FNumbers;
  LeaveOutWhatIsNotNeeded(deadline);
  LookForFewer(std::move(pool), deadline);
  return FNumbers;
}

// The furthest first: the numbers nearest the area are the likeliest to be
// needed. What is left proves the claim, and without any one of its
// numbers would not.
void TProver::LeaveOutWhatIsNotNeeded(TDeadline deadline) {
  std::vector<std::int32_t> fewer;
  for (std::size_t i = FNumbers.size(); i-- > 0;) {
    fewer = FNumbers;
    fewer.erase(fewer.begin() + std::ptrdiff_t(i));
    const TSearchAnswer proven = Proves(fewer, deadline);
    if (proven == sa_OutOfTime) return;
    if (proven == sa_Yes) FNumbers.swap(fewer);
  }
}

// Leaving numbers out one at a time can keep three where two others would
// do. Every smaller choice from the pool is tried, the smallest first and
// the nearest numbers first, while the pool is small enough for that.
void TProver::LookForFewer(std::vector<std::int32_t> pool, TDeadline deadline) {
  constexpr std::size_t LargestPool = 16;
  constexpr int MostTries = 2000;
  if (pool.size() > LargestPool) return;
  const std::size_t n = pool.size();
  int tries = 0;
  std::vector<std::int32_t> choice;
  for (std::size_t k = 1; k < FNumbers.size(); ++k) {
    std::vector<std::size_t> at(k);
    for (std::size_t i = 0; i < k; ++i) at[i] = i;
    for (;;) {
      if (++tries > MostTries) return;
      choice.clear();
      for (const std::size_t i : at) choice.push_back(pool[i]);
      const TSearchAnswer proven = Proves(choice, deadline);
      if (proven == sa_OutOfTime) return;
      if (proven == sa_Yes) {
        FNumbers = choice;
        return;
      }
      // The next choice of k in order.
      std::size_t i = k;
      while (i > 0 && at[i - 1] == n - k + i - 1) --i;
      if (i == 0) break;
      ++at[i - 1];
      for (std::size_t j = i; j < k; ++j) at[j] = at[j - 1] + 1;
    }
  }
}

}  // namespace

std::vector<std::int32_t> ProveArea(const TBoard& board, const TAreaGraph& graph, std::int32_t area, bool mine,
                                    TDeadline deadline) {
  if (area < 0 || area >= graph.AreaCount() || graph.Hole(area) || board.Areas()[area]->Uncovered) return {};
  std::vector<std::int32_t> proof = TProver(board, graph, area, mine).Run(deadline);
  std::sort(proof.begin(), proof.end());
  return proof;
}
